// The advanced and help menus: the solver, the plotter, the formula editor,
// the help text and the about window.

#include "ui/about/Author.h"
#include "ui/about/Help_Window.h"
#include "ui/formula/Formula_Edit.h"
#include "ui/main/Scin_Cale.h"
#include "ui/platform/Platform.h"
#include "ui/platform/Screen_Fit.h"
#include "ui/plot/Func_Image.h"
#include "ui/solver/Solv_Equn_Form.h"

namespace {

// Creates the window on first use (it is deleted when closed, so a request
// after a close starts afresh), then shows it modeless and brings it forward.
template <class Window> void Show_Window(QPointer<Window> &window, const QWidget *main_window) {
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
        Platform::Fit_Window(window, main_window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void Scin_Cale::Solv_Equn_Click() {
    Show_Window(solver_, this);
}
void Scin_Cale::Funn_Image_Click() {
    Show_Window(plotter_, this);
}
void Scin_Cale::Fora_Edit_Click() {
    Show_Window(formula_editor_, this);
}
void Scin_Cale::Menu_Author_Click() {
    Show_Window(author_, this);
}

// The help text opens in a window of the program's own, which needs no text
// editor on the desktop; only a help file that cannot be read gets the message.
void Scin_Cale::Menu_Cale_Click() {
    if (!help_) {
        help_ = Help_Window::Open();
        if (!help_) {
            Platform::Show_Warning(QStringLiteral("帮助文件没有找到,或系统记事本没有安装。   "),
                                   QStringLiteral("Quorvex"));
            return;
        }
        Platform::Fit_Window(help_, this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void Scin_Cale::Close_Other_Windows() {
    delete solver_.data();
    delete plotter_.data();
    delete formula_editor_.data();
    delete author_.data();
    delete help_.data();
}
