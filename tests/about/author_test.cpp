#include "ui/about/Author.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QLabel *Label(QWidget &w, const char *name) {
    return w.findChild<QLabel *>(QString::fromLatin1(name));
}
} // namespace

TEST(Author, ShowsNameProjectAndContact) {
    QWidget main_window;
    auto *author = new Author(&main_window);
    author->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(author));

    struct Case {
        const char *name;
        const char *must_contain;
    };
    const Case labels[] = {{"Label1", "Quorvex"}, {"Label2", "项目"}, {"Label3", "问题跟踪"}};
    for (const auto &c : labels) {
        QLabel *label = Label(*author, c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_TRUE(label->isVisible()) << c.name;
        EXPECT_TRUE(label->text().contains(QString::fromUtf8(c.must_contain))) << c.name;
        EXPECT_EQ(label->accessibleName(), label->text()) << c.name;
    }
    EXPECT_EQ(Label(*author, "Label1")->text(), QStringLiteral("Quorvex"));
    EXPECT_TRUE(Label(*author, "Label2")->text().contains(QStringLiteral("Quorvex")));
    EXPECT_FALSE(author->windowTitle().isEmpty());
    delete author;
}

// Opened from the main window, it must be a window of its own that leaves the
// main window usable, and it must go away when the user closes it.
TEST(Author, ModelessOwnWindowDeletedOnClose) {
    QWidget main_window;
    main_window.show();
    QPointer<Author> author = new Author(&main_window);
    author->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(author.data()));

    EXPECT_TRUE(author->isWindow());
    EXPECT_EQ(author->windowModality(), Qt::NonModal);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_TRUE(main_window.isEnabled());

    author->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(author.isNull());
    EXPECT_TRUE(main_window.isVisible());
}
