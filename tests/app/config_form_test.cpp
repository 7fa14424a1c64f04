#include "app/config_form.h"

#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"

#include <QTest>
#include <QtWidgets>

class ConfigFormTest : public QObject
{
    Q_OBJECT

private slots:
    void theButtonsPickPreviewAndSaveTheStyle()
    {
        pantrix::testing::Workspace w;
        LoadSettings(w.s, w.ui);
        QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(w.folder.File("t.bmp")));
        pantrix::ConfigForm form(w.s, w.ui, nullptr);
        form.show();
        const auto label = [&](const char* name) { return form.findChild<QLabel*>(name); };
        const auto push = [](QWidget& on, const QString& names) {
            for (const QString& name : names.split(' '))
                QVERIFY(QMetaObject::invokeMethod(on.findChild<QObject*>(name),
                                                  name.startsWith("cmu_") ? "trigger" : "click"));
        };
        w.ui.AnswerColour(0x0000FF);
        w.ui.AnswerFont(pantrix::FontChoice{"Courier New", 14});
        for (int graphic = 0; graphic < 3; ++graphic)
            w.ui.AnswerFile(pantrix::ChosenFile{w.folder.File("t.bmp"), "t.bmp"});
        w.ui.SetDocumentProgram("/usr/bin/browser");
        push(form, "BGColorSelect FontSelect TopGraphicSelect SideGraphicSelect BackGraphicSelect "
                   "PageWidthLess PageWidthLess UseTopGraphicCheck PreviewPage cmu_Help");
        QString pictures;
        for (const char* name : {"TopGraphic", "SideGraphic", "BackGraphic"})
            pictures += label(name)->pixmap().isNull() ? "" : "|picture";
        QCOMPARE(label("Label1")->palette().color(QPalette::Window).name() + "|" +
                     label("Label1")->text() + "|" + label("PageWidth")->text() + pictures,
                 "#ff0000|Courier New - 14|620|picture|picture|picture");
        QCOMPARE(w.s.Settings.UseTopGraphic + w.folder.Read("px31.cfg").substr(184, 25) +
                     w.ui.Started.at(0).second,
                 "N16777215            640  " + w.s.DataPath + "preview.htm");
        QVERIFY(w.ui.Started.at(1).second.find("help.htm#Making Web Pages") != std::string::npos);
        QEnterEvent enter({}, {}, {});
        QCoreApplication::sendEvent(form.findChild<QPushButton*>("SaveConfig"), &enter);
        QCOMPARE(label("Helper")->text(), "Click to save these style settings and exit.");
        {
            pantrix::testing::FaultyFileSystem full(1, pantrix::testing::Fault::NoSpace, true);
            push(form, "SaveConfig"); // not written: the window stays for another try
        }
        QVERIFY(form.isVisible());
        push(form, "SaveConfig");
        QCOMPARE(w.folder.Read("px31.cfg").substr(184, 25), "255                 620  ");
        pantrix::ConfigForm again(w.s, w.ui, nullptr);
        again.show();
        push(again, "PageWidthMore cmu_QuitWithoutSaving");
        QVERIFY(!form.isVisible() && !again.isVisible() && w.s.Settings.PageWidth == "620");
    }
};

QTEST_MAIN(ConfigFormTest)
#include "config_form_test.moc"
