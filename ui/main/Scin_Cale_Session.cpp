// Session files: the memories, the history, the statistics, the letter values,
// the modes and the two text lines, saved to a file and opened again. Nothing
// is read or written unless the user chooses one of the two menu items.

#include "ui/main/Scin_Cale.h"

#include "engine/CalcModule.h"
#include "engine/NumberText.h"
#include "ui/main/Session_Format.h"
#include "ui/main/StatBox.h"
#include "ui/main/StatModule.h"
#include "ui/platform/Elided_Label.h"
#include "ui/platform/Files.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>

namespace {

using Session_Format::Session_State;

static_assert(Session_Format::Max_Statistics == StatModule::Capacity);

const QString Session_Filter = QStringLiteral("Quorvex 会话 (*.qvx);;所有文件 (*)");

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

std::string Utf8(const QString &text) {
    return text.toStdString();
}

int Base_Option(std::uint8_t base) {
    switch (base) {
    case 16:
        return 0;
    case 8:
        return 2;
    case 2:
        return 3;
    default:
        return 1;
    }
}

int Word_Option_Index(std::uint8_t word_length) {
    return word_length == 8 ? 2 : word_length == 16 ? 1 : 0;
}

} // namespace

Session_State Scin_Cale::Session() const {
    Session_State state;
    for (std::size_t i = 0; i < state.Memories.size(); ++i)
        state.Memories[i] = Utf8(Memory[i]->text());
    // the history box keeps its lines as paragraphs; the file has them ending
    // in CR LF, as "=" adds them
    QString history = History->toPlainText();
    history.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    state.History = Utf8(history);

    const int count = std::clamp<int>(StatModule::Stat_Count, 0, StatModule::Capacity);
    for (int i = 0; i < count; ++i) {
        Session_Format::Stat_Entry entry;
        entry.Value = StatModule::Stat_Values[i];
        entry.Text = stat_box_ && i < stat_box_->List1->count()
                         ? Utf8(stat_box_->List1->item(i)->text())
                         : CalcModule::Standard_Number_Text(entry.Value);
        state.Statistics.push_back(std::move(entry));
    }

    state.Letters = CalcModule::Variable_Values;
    state.Number_Base = CalcModule::Number_Base;
    state.Word_Length = CalcModule::Word_Length;
    state.Angle_Unit = CalcModule::Angle_Unit;
    state.Inverse = Inv_Check->isChecked();
    state.Expression = Utf8(Expression->text());
    state.Display = Utf8(Target_Box->text());
    return state;
}

void Scin_Cale::Apply_Session(const Session_State &state) {
    // The display is emptied first, so that choosing the base converts
    // nothing, and no operand is pending, so that the entry check leaves the
    // loaded display as it was saved.
    Number_Typed = false;
    Target_Box->setText(QString());
    Expression->setText(QString());
    Sign_Next_Negative = true;
    Sci_Display = false;
    New_Number = false;
    Result_Shown = false;

    // the options run their handlers: key pad, word-length frame, inverse keys
    Number_Option[Base_Option(state.Number_Base)]->setChecked(true);
    Word_Option[Word_Option_Index(state.Word_Length)]->setChecked(true);
    Angle_Option[std::min<int>(state.Angle_Unit, 2)]->setChecked(true);
    Inv_Check->setChecked(state.Inverse);

    const QString expression = Text(state.Expression);
    const QString display = Text(state.Display);
    Expression->setText(expression);
    Target_Box->setText(display);
    // A line that ends in "=" and the display is a finished calculation: the
    // next digit starts afresh and the next operator continues from the
    // result. Any other display is an operand, as if recalled from a memory.
    const bool result = !display.isEmpty() && expression.endsWith(QLatin1Char('=') + display);
    Result_Shown = result;
    New_Number = result;
    Number_Typed = !result && !display.isEmpty();
    if (result) Result_Value = CalcModule::Leading_Number(state.Display).value_or(0);

    for (std::size_t i = 0; i < state.Memories.size(); ++i)
        Memory[i]->Set_Text(Text(state.Memories[i]));
    History->setPlainText(Text(state.History));
    CalcModule::Variable_Values = state.Letters;

    // Values are kept only in statistics mode (closing the statistics window
    // discards them), so a session with values turns it on, as "Sta" does.
    if (!state.Statistics.empty() || stat_box_) {
        Stac_Butn_Click(0);
        stat_box_->List1->clear();
        StatModule::Clear();
        const int count = int(std::min(state.Statistics.size(), Session_Format::Max_Statistics));
        for (int i = 0; i < count; ++i) {
            stat_box_->List1->addItem(Text(state.Statistics[i].Text));
            StatModule::Add(state.Statistics[i].Value);
        }
        stat_box_->Text3->setText(QStringLiteral("n=%1").arg(count));
        if (count > 0) stat_box_->List1->setCurrentRow(count - 1);
        // the session was opened from here: this window stays in front
        Platform::Show_In_Front(this);
    }
    Focus_Equals();
}

void Scin_Cale::Menu_Save_Session_Click() {
    const QString chosen = Platform::Choose_Save_File(
        QStringLiteral("保存会话"),
        session_path_.isEmpty() ? QStringLiteral("会话.qvx") : session_path_, Session_Filter);
    if (chosen.isEmpty()) return;
    QString reason;
    const QString path =
        Platform::Save_Path_With_Extension(chosen, QStringLiteral(".qvx"), &reason);

    const std::string bytes = Session_Format::Write(Session());
    // every saved file must open again: too large a session, or a value no
    // number can be written for, is refused before the old file is touched
    Session_State check;
    std::string problem;
    if (!reason.isEmpty()) {
        // refused already: the longer name is taken
    } else if (std::int64_t(bytes.size()) > Session_Format::Size_Limit) {
        reason = QStringLiteral("会话超过 16 MiB,保存后将无法再打开");
    } else if (!Session_Format::Read(bytes, check, problem)) {
        reason = QStringLiteral("会话中有无法保存的内容(%1)").arg(Text(problem));
    }
    if (reason.isEmpty() && Platform::Write_File(path, QByteArray::fromStdString(bytes), &reason)) {
        session_path_ = path;
        return;
    }
    Platform::Show_Warning(Platform::Save_Failure_Message(path, reason));
}

void Scin_Cale::Menu_Open_Session_Click() {
    const QString path = Platform::Choose_Open_File(QStringLiteral("打开会话"), Session_Filter);
    if (path.isEmpty()) return;
    QByteArray bytes;
    QString reason;
    if (!Platform::Read_File(path, Session_Format::Size_Limit, &bytes, &reason)) {
        const QFileInfo file(path);
        if (file.isFile() && file.size() > Session_Format::Size_Limit)
            reason += QStringLiteral("(会话文件最大 16 MiB)");
        Platform::Show_Warning(Platform::Open_Failure_Message(path, reason));
        return;
    }
    // the whole file is checked before anything changes
    Session_State state;
    std::string problem;
    if (!Session_Format::Read(std::string_view(bytes.constData(), std::size_t(bytes.size())), state,
                              problem)) {
        Platform::Show_Warning(Platform::Open_Failure_Message(path, Text(problem)));
        return;
    }
    session_path_ = path;
    Apply_Session(state);
}
