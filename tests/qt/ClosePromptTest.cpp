// The document window's close button after its Close File prompt was cancelled: however the
// prompt went away, the next click on the button asks again.
#include <QAbstractButton>
#include <QMessageBox>
#include <QStyleOptionTitleBar>
#include <QTimer>

#include "DesktopFixture.h"
#include "qt/QtMessageBox.h"

namespace korvane::testing {

class ClosePromptTest : public QObject {
    Q_OBJECT
  private:
    // The close button of a sub-window's title bar, in the window's pixels.
    static QPoint CloseButton(QWidget* window) {
        QStyleOptionTitleBar option;
        option.initFrom(window);
        option.subControls = QStyle::SC_All;
        option.titleBarFlags = window->windowFlags();
        option.titleBarState = window->windowState();
        const int border = 4;
        const int height = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
        option.rect = QRect(border, border, window->width() - 2 * border, height - border);
        return window->style()
            ->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, window)
            .center();
    }

    // Answers the prompt that is about to open with a key or with its Cancel button.
    static void AnswerNextPrompt(bool byKey, int* prompts) {
        QTimer::singleShot(0, [byKey, prompts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            ++*prompts;
            if (byKey) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QTest::mouseClick(static_cast<QWidget*>(box->button(QMessageBox::Cancel)),
                                  Qt::LeftButton);
            }
        });
    }

  private slots:
    void theCloseButtonAsksAgainAfterACancelledPrompt_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Escape") << true;
        QTest::newRow("Cancel clicked") << false;
    }
    void theCloseButtonAsksAgainAfterACancelledPrompt() {
        QFETCH(bool, byKey);
        QtMessageBox messages;
        ScriptedFileDialog dialogs;
        MainWindow main(messages, dialogs);
        messages.SetParent(&main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Document().editor.InsertFromMenuBar("Label");
        DocumentWindow* window = main.DocumentSubWindow();
        const QPoint close = CloseButton(window);

        int prompts = 0;
        // The mouse comes to the button as a hand moves it, over a few pixels.
        for (int dx : {60, 1, 0}) QTest::mouseMove(window, close - QPoint(dx, 0));
        AnswerNextPrompt(byKey, &prompts);
        QTest::mouseClick(window, Qt::LeftButton, {}, close);
        QCOMPARE(prompts, 1);
        QVERIFY(window->isVisible());

        // After a key the mouse is where it was; after the Cancel button it comes back.
        if (!byKey)
            for (int dx : {60, 1, 0}) QTest::mouseMove(window, close - QPoint(dx, 0));
        AnswerNextPrompt(byKey, &prompts);
        QTest::mouseClick(window, Qt::LeftButton, {}, close);
        QCOMPARE(prompts, 2);
        QVERIFY(main.Document().Loaded());
        QVERIFY(main.Document().Modified());
    }
};

}  // namespace korvane::testing

QTEST_MAIN(korvane::testing::ClosePromptTest)
#include "ClosePromptTest.moc"
