// The advanced and help menus: the solver, the plotter, the formula editor,
// the help text and the about window.

#include "ui/about/Author.h"
#include "ui/formula/Formula_Edit.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"
#include "ui/plot/Func_Image.h"
#include "ui/solver/Solv_Equn_Form.h"

namespace {

// Creates the window on first use (it is deleted when closed, so a request
// after a close starts afresh), then shows it modeless and brings it forward.
template <class Window> void Show_Window(QPointer<Window> &window) {
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    Platform::Show_In_Front(window);
}

} // namespace

void Scin_Cale::Solv_Equn_Click() {
    Show_Window(solver_);
}
void Scin_Cale::Funn_Image_Click() {
    Show_Window(plotter_);
}
void Scin_Cale::Fora_Edit_Click() {
    Show_Window(formula_editor_);
}
void Scin_Cale::Menu_Author_Click() {
    Show_Window(author_);
}

void Scin_Cale::Menu_Cale_Click() {
    const QString path = Platform::Program_Folder() + QStringLiteral("/Help.Txt");
    if (!Platform::Open_Text_File(path))
        Platform::Show_Warning(QStringLiteral("帮助文件没有找到,或系统记事本没有安装。   "),
                               QStringLiteral("Quorvex"));
}

void Scin_Cale::Close_Other_Windows() {
    delete solver_.data();
    delete plotter_.data();
    delete formula_editor_.data();
    delete author_.data();
}
