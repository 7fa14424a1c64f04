#include "app/config_form.h"

#include "shell/start_up.h"
#include "support/data_folder.h"

#include <QAction>
#include <QCheckBox>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace pantrix;
using pantrix::testing::Workspace;

namespace {

template <typename T = QPushButton> T* Find(QWidget& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        QTest::qFail(name, __FILE__, __LINE__);
    return found;
}

} // namespace

class ConfigFormTest : public QObject
{
    Q_OBJECT

private slots:
    void theButtonsPickPreviewAndSaveTheStyle()
    {
        Workspace w;
        LoadSettings(w.s, w.ui);
        const std::string stored = w.folder.Read("px31.cfg");
        QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(w.folder.File("t.bmp")));
        ConfigForm form(w.s, w.ui, nullptr);
        form.show();
        auto* sample = Find<QLabel>(form, "Label1");
        QCOMPARE(form.windowTitle(), QStringLiteral("Pantrix! - Web Page Style Settings"));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(sample->text(), QStringLiteral("Arial"));

        w.ui.AnswerColour(0x0000FF);
        w.ui.AnswerFont(FontChoice{"Courier New", 14});
        w.ui.AnswerFile(ChosenFile{w.folder.File("t.bmp"), "t.bmp"});
        Find(form, "BGColorSelect")->click();
        Find(form, "FontSelect")->click();
        Find(form, "TopGraphicSelect")->click();
        Find(form, "PageWidthLess")->click();
        Find(form, "PageWidthLess")->click();
        QCOMPARE(sample->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(sample->text(), QStringLiteral("Courier New - 14"));
        QVERIFY(!Find<QLabel>(form, "TopGraphic")->pixmap().isNull());
        QCOMPARE(Find<QLabel>(form, "PageWidth")->text(), QStringLiteral("620"));
        QCOMPARE(w.s.Settings.PageFontSize, std::string("115"));
        QCOMPARE(w.s.Settings.GraphicsFolder, w.s.DataPath);

        Find<QCheckBox>(form, "UseTopGraphicCheck")->setChecked(false);
        w.ui.SetDocumentProgram("/usr/bin/browser");
        Find(form, "PreviewPage")->click();
        QCOMPARE(w.s.Settings.UseTopGraphic, std::string("N"));
        QCOMPARE(w.ui.Started.at(0).second, w.s.DataPath + "preview.htm");
        Find<QAction>(form, "cmu_Help")->trigger();
        QVERIFY(w.ui.Started.at(1).second.find("help.htm#Making Web Pages") != std::string::npos);
        QCOMPARE(w.folder.Read("px31.cfg"), stored);

        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(Find(form, "SaveConfig"), &enter);
        QCOMPARE(Find<QLabel>(form, "Helper")->text(),
                 QStringLiteral("Click to save these style settings and exit."));
        Find(form, "SaveConfig")->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(w.folder.Read("px31.cfg").substr(184, 3), std::string("255"));
        QCOMPARE(w.folder.Read("px31.cfg").substr(204, 5), std::string("620  "));

        ConfigForm again(w.s, w.ui, nullptr);
        again.show();
        Find(again, "PageWidthMore")->click();
        Find<QAction>(again, "cmu_QuitWithoutSaving")->trigger();
        QVERIFY(!again.isVisible());
        QCOMPARE(w.s.Settings.PageWidth, std::string("620"));
    }
};

QTEST_MAIN(ConfigFormTest)
#include "config_form_test.moc"
