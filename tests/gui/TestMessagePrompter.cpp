#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/ui/message_prompter.h"
#include "tests/support/gui/window_grab.h"

class TestMessagePrompter : public QObject {
    Q_OBJECT

    // When the box appears: record its text and button captions, then press the button `press`.
    void AnswerNextBox(const QString& press, QString* text, QStringList* captions, const QString& shot = {}) {
        QTimer::singleShot(0, this, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            *text = box->text();
            for (QAbstractButton* b : box->buttons()) *captions << b->text();
            if (!shot.isEmpty()) scx::test::GrabToPng(*box, shot);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press) b->click();
        });
    }

private slots:
    void captionsAndAnswers() {
        scx::CMessagePrompter prompter;
        QString text;
        QStringList captions;

        AnswerNextBox("아니요", &text, &captions, "message_prompter_yes_no_cancel");
        QCOMPARE(prompter.AskYesNoCancel("저장하시겠습니까?"), scx::Prompter::Answer::No);
        QCOMPARE(text, QString("저장하시겠습니까?"));
        captions.sort();
        QCOMPARE(captions, QStringList({"아니요", "예", "취소"}));

        captions.clear();
        AnswerNextBox("예", &text, &captions);
        QVERIFY(prompter.AskYesNo("삭제하시겠습니까?"));
        QCOMPARE(captions.size(), 2);

        captions.clear();
        AnswerNextBox("확인", &text, &captions);
        prompter.ShowMessage("IPT open fail.");
        QCOMPARE(captions, QStringList({"확인"}));
        QCOMPARE(text, QString("IPT open fail."));
    }
};

QTEST_MAIN(TestMessagePrompter)
#include "TestMessagePrompter.moc"
