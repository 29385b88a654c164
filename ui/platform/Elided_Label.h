#pragma once
// A label that may hold a text of any length (a memory register after a
// pasted megabyte) and still costs the same to lay out and paint as a short
// one: text() keeps the whole text, while only its first characters are
// measured and drawn, cut at the label's width with "…". The tooltip shows
// the text up to a readable length.

#include <QLabel>

namespace Platform {

class Elided_Label : public QLabel {
    Q_OBJECT
  public:
    explicit Elided_Label(QWidget *parent = nullptr);

    // Sets the text and its tooltip.
    void Set_Text(const QString &text);
    // What the label shows for its current text and width.
    QString Shown_Text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Longer texts are shown elided from their first Shown_Limit characters;
    // the tooltip holds at most Tip_Limit, in lines of Tip_Line.
    static constexpr qsizetype Shown_Limit = 256;
    static constexpr qsizetype Tip_Limit = 1000;
    static constexpr qsizetype Tip_Line = 100;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    bool Long() const { return text().size() > Shown_Limit; }
};

} // namespace Platform
