#pragma once
// A multi-line text box that pastes only what the clipboard really holds.
// The toolkit's own box falls over when a paste or a drop brings data that
// offers no format at all, as the desktop's clipboard does when it is empty
// (after the desktop starts, or once the program that copied has ended);
// here such a paste does nothing.

#include <QMimeData>
#include <QPlainTextEdit>

namespace Platform {

class Plain_Text_Box : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData *source) const override {
        return Holds_Something(source) && QPlainTextEdit::canInsertFromMimeData(source);
    }
    void insertFromMimeData(const QMimeData *source) override {
        if (Holds_Something(source)) QPlainTextEdit::insertFromMimeData(source);
    }

  private:
    static bool Holds_Something(const QMimeData *source) {
        return source && !source->formats().isEmpty();
    }
};

} // namespace Platform
