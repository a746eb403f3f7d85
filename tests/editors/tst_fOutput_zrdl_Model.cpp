#include "editors/EditorServices.h"
#include "editors/fOutput_zrdl_Model.h"
#include "editors/fOutput_zrdl_ModelDialog.h"
#include "hlpkit/CMethod.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/AnsiCodec.h"
#include "shell/messages/Messages.h"
#include "tests/editors/FakeEditorServices.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using platform::FileDialogResult;
using vokg::fOutput_zrdl_Model;
using vokg::fOutput_zrdl_ModelDialog;

namespace {

const QString kValue = QStringLiteral(u"[値]");

using FakeServices = testsupport::FakeEditorServices;

// One digital, no signals, the feed values as they are: the smallest model a template can fill.
struct World {
    hlpkit::CMethod method;
    testsupport::ScriptedPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    vokg::ModelContext Context() { return {method, messenger}; }
    vokg::CModes modes{Context()};
    vokg::CCustoms customs{Context()};
    vokg::COkuris okuris{Context()};
    FakeServices services;
    fOutput_zrdl_Model form{modes, customs, okuris, messenger, method, services};

    World() {
        modes.Add(QStringLiteral("MACHINE"))
            .Digits()
            .Add(QStringLiteral("WIP"), QStringLiteral("NUM"), {}, QStringLiteral("0"), QStringLiteral("9"),
                 {}, {}, 0, 1)
            .SetUserValue(4);
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& prompt : prompter.Prompts())
            if (prompt.what == QLatin1String("message"))
                texts.append(QString::number(prompt.kind) + u' ' + prompt.text);
        return texts;
    }
};

QByteArray TemplateBytes() {
    QStringList lines{QStringLiteral("char wip = %1; /* [WIP] */").arg(kValue)};
    for (const QString& key : vokg::COkuris::AxisKeys() + vokg::COkuris::LongKeys())
        lines.append(QStringLiteral("%1 %2").arg(vokg::COkuris::CIdentifier(key), kValue));
    for (int value = 0; value < 7; ++value)
        lines.append(QStringLiteral("%1 %2").arg(vokg::COkuris::OtherValueCIdentifier(value), kValue));
    return platform::AnsiCodec::EncodeStrict(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
        .value();
}

// Types the text key by key, also the characters a keyboard map has no key for.
void Type(QLineEdit* box, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void Click(QPushButton* button) {
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton* Named(const QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestOutputZrdlModel : public QObject {
    Q_OBJECT

private slots:
    void showsItsCaptionsAndKeepsTheBoxesInTheSettings();
    void checksStopInOrderWithFocus_data();
    void checksStopInOrderWithFocus();
    void fileButtonsAskThroughThePrompter();
    void rulesButtonShowsTheRules();
    void createWritesTheFileAndTheCancelButtonBecomesClose();

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
};

void TestOutputZrdlModel::showsItsCaptionsAndKeepsTheBoxesInTheSettings() {
    World world;
    world.services.settings.insert(QStringLiteral("FileHinagata_zrdl_Modelc"),
                                   QStringLiteral("/t/zrdl_Model.c"));
    world.services.settings.insert(QStringLiteral("FileNew_zrdl_Modelc"),
                                   QStringLiteral(u"/t/zrdl_G[機種].c"));
    world.services.settings.insert(QStringLiteral("Kishu_zrdl_Modelc"), QStringLiteral("VK-2300"));
    world.services.settings.insert(QStringLiteral("SectionNo_zrdl_Modelc"), QStringLiteral("3"));
    {
        fOutput_zrdl_ModelDialog dialog(world.form);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(u"zrdl_Model出力"));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels.append(label->text());
        labels.sort();
        QStringList expected{QStringLiteral(u"ひな形となる zrdl_Model.c"),
                             QStringLiteral(u"新たに作成する zrdl_G[機種].c"), QStringLiteral(u"機種名"),
                             QStringLiteral(u"セクション番号"),
                             QStringLiteral(u"※ファイル名の[機種]の部分は機種名で置き換えられます.")};
        expected.sort();
        QCOMPARE(labels, expected);
        QCOMPARE(Named(dialog, "btnSpecifyHinagata")->text(), QStringLiteral(u"指定(&O)"));
        QCOMPARE(Named(dialog, "btnSpecifyNew")->text(), QStringLiteral(u"指定(&N)"));
        QCOMPARE(Named(dialog, "btnRule")->text(), QStringLiteral(u"ひな形ファイルのルール(&R)"));
        QCOMPARE(dialog.Button(1)->text(), QStringLiteral(u"作成(&G)"));
        QCOMPARE(dialog.Button(9)->text(), QStringLiteral(u"キャンセル"));

        QCOMPARE(dialog.TemplateBox()->text(), QStringLiteral("/t/zrdl_Model.c"));
        QCOMPARE(dialog.NewFileBox()->text(), QStringLiteral(u"/t/zrdl_G[機種].c"));
        QCOMPARE(dialog.ModelBox()->text(), QStringLiteral("VK-2300"));
        QCOMPARE(dialog.SectionBox()->text(), QStringLiteral("3"));

        dialog.ModelBox()->clear();
        Type(dialog.ModelBox(), QStringLiteral("VK-2300H "));
        dialog.SectionBox()->clear();
        dialog.close(); // the close box
    }
    QCOMPARE(world.services.settings.value(QStringLiteral("Kishu_zrdl_Modelc")), QStringLiteral("VK-2300H "));
    QCOMPARE(world.services.settings.value(QStringLiteral("SectionNo_zrdl_Modelc")), QString());
    QCOMPARE(world.services.settings.value(QStringLiteral("FileHinagata_zrdl_Modelc")),
             QStringLiteral("/t/zrdl_Model.c"));

    // The cancel button stores them too.
    fOutput_zrdl_ModelDialog dialog(world.form);
    dialog.show();
    Type(dialog.SectionBox(), QStringLiteral("12"));
    Click(dialog.Button(9));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(world.services.settings.value(QStringLiteral("SectionNo_zrdl_Modelc")), QStringLiteral("12"));
    QCOMPARE(world.Messages(), QStringList());
}

void TestOutputZrdlModel::checksStopInOrderWithFocus_data() {
    QTest::addColumn<bool>("templateThere");
    QTest::addColumn<QString>("newFile");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("template missing")
        << false << "out/new.c"
        << "" << QStringLiteral(u"ファイルが存在しません.") << "txtFileHinagata";
    QTest::newRow("no new file") << true << " "
                                 << "" << QStringLiteral(u"新しく作成するファイルを指定してください.")
                                 << "txtFileNew";
    QTest::newRow("no such folder") << true << "gone/new.c"
                                    << "" << QStringLiteral(u"フォルダが存在しません.") << "txtFileNew";
    QTest::newRow("no model name") << true << "out/new.c"
                                   << "   " << QStringLiteral(u"機種を入力してください.") << "txtKishu";
}

void TestOutputZrdlModel::checksStopInOrderWithFocus() {
    QFETCH(bool, templateThere);
    QFETCH(QString, newFile);
    QFETCH(QString, model);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QDir(dir_.path()).mkdir(QStringLiteral("out"));
    const QString templatePath = Path(templateThere ? QStringLiteral("t.c") : QStringLiteral("missing.c"));
    if (templateThere) {
        QFile file(templatePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    World world;
    fOutput_zrdl_ModelDialog dialog(world.form);
    dialog.show();
    Type(dialog.TemplateBox(), templatePath);
    Type(dialog.NewFileBox(), newFile.trimmed().isEmpty() ? newFile : Path(newFile));
    Type(dialog.ModelBox(), model);
    dialog.SectionBox()->setFocus();
    Click(dialog.Button(1));
    QCOMPARE(world.Messages(), QStringList{QStringLiteral("2 ") + message});
    QVERIFY(dialog.focusWidget());
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(dialog.Button(9)->text(), QStringLiteral(u"キャンセル"));
    QVERIFY(QDir(Path(QStringLiteral("out"))).isEmpty());
}

void TestOutputZrdlModel::fileButtonsAskThroughThePrompter() {
    World world;
    fOutput_zrdl_ModelDialog dialog(world.form);
    dialog.show();
    Type(dialog.TemplateBox(), QStringLiteral("/work/templates/zrdl_Model.c"));
    Type(dialog.NewFileBox(), QStringLiteral(u"/work/out/zrdl_G[機種].c"));

    // A cancelled question changes nothing; an answer goes into the box.
    world.prompter.QueueFile(std::nullopt);
    Click(Named(dialog, "btnSpecifyHinagata"));
    QCOMPARE(dialog.TemplateBox()->text(), QStringLiteral("/work/templates/zrdl_Model.c"));
    world.prompter.QueueFile(FileDialogResult{Path(QStringLiteral("other.c")), 1});
    Click(Named(dialog, "btnSpecifyHinagata"));
    QCOMPARE(dialog.TemplateBox()->text(), Path(QStringLiteral("other.c")));
    // The save question adds the extension.
    world.prompter.QueueFile(FileDialogResult{Path(QStringLiteral("firmware")), 1});
    Click(Named(dialog, "btnSpecifyNew"));
    QCOMPARE(dialog.NewFileBox()->text(), Path(QStringLiteral("firmware.c")));

    const QList<testsupport::ScriptedPrompter::Prompt>& prompts = world.prompter.Prompts();
    QCOMPARE(prompts.size(), 3);
    // Open questions start in the folder of the box; the save question offers the box's name.
    QCOMPARE(prompts.at(0).what, QStringLiteral("open"));
    QCOMPARE(prompts.at(0).text, QStringLiteral("/work/templates"));
    QCOMPARE(prompts.at(1).text, QStringLiteral("/work/templates"));
    QCOMPARE(prompts.at(2).what, QStringLiteral("save"));
    QCOMPARE(prompts.at(2).text, QStringLiteral(u"zrdl_G[機種].c"));
}

void TestOutputZrdlModel::rulesButtonShowsTheRules() {
    World world;
    fOutput_zrdl_ModelDialog dialog(world.form);
    dialog.show();
    Click(Named(dialog, "btnRule"));
    QCOMPARE(world.Messages(), QStringList{QStringLiteral(
                                   u"4 自動編集のため、ひな形のzrdl_Mode.cに次の文字を埋め込んでください\n"
                                   u"\n"
                                   u"・機種\n"
                                   u"   [機種]\n"
                                   u"\n"
                                   u"・パラメータ\n"
                                   u"   値をセットする部分 = [値]\n"
                                   u"   コメント欄のデジタル値を[]で囲む 【例】[WIP]\n"
                                   u"\n"
                                   u"カスタマイズ\n"
                                   u"   値をセットする部分 = [値]\n"
                                   u"   入力：信号名にgst_inp_をつける 【例】gst_inp_I1\n"
                                   u"   出力：信号名にgst_out_をつける 【例】gst_out_O1")});
}

void TestOutputZrdlModel::createWritesTheFileAndTheCancelButtonBecomesClose() {
    CapturedReports reports;
    const QString templatePath = Path(QStringLiteral("zrdl_Model.c"));
    {
        QFile file(templatePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TemplateBytes());
    }
    World world;
    fOutput_zrdl_ModelDialog dialog(world.form);
    dialog.show();
    Type(dialog.TemplateBox(), templatePath);
    Type(dialog.NewFileBox(), Path(QStringLiteral(u"zrdl_G[機種].c")));
    Type(dialog.ModelBox(), QStringLiteral("VK-2300"));
    Click(dialog.Button(1));
    QCOMPARE(world.Messages(), QStringList{QStringLiteral(u"4 処理が終了しました.")});
    QCOMPARE(reports.count(), 0);
    QFile written(Path(QStringLiteral("zrdl_GVK-2300.c")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("char wip = 4; /* [WIP] */\r\n"));
    QCOMPARE(dialog.Button(9)->text(), QStringLiteral(u"閉じる"));
    Click(dialog.Button(9));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(world.services.settings.value(QStringLiteral("Kishu_zrdl_Modelc")), QStringLiteral("VK-2300"));
}

QTEST_MAIN(TestOutputZrdlModel)
#include "tst_fOutput_zrdl_Model.moc"
