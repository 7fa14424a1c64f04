// Today's List as QR codes, read back from the saved picture by zbar's zbarimg
// as a phone's camera would read them.
#include "app/qr_window.h"
#include "output/list_qr_text.h"
#include "support/fake_ui.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QLabel>
#include <QTest>
#include <QXmlStreamReader>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

// Every code in the picture, in any order.
QStringList Decoded(const QString& png)
{
    QProcess zbarimg;
    zbarimg.start("zbarimg", {"--xml", "-q", png});
    if (!zbarimg.waitForFinished(60000))
        qFatal("zbarimg (zbar-tools) reads the codes back");
    QStringList texts;
    QXmlStreamReader xml(zbarimg.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("data"))
            continue;
        const bool base64 = xml.attributes().value("format") == QLatin1String("base64");
        const QString data = xml.readElementText();
        texts << (base64 ? QString::fromUtf8(QByteArray::fromBase64(data.toLatin1())) : data);
    }
    texts.sort();
    return texts;
}

} // namespace

class QrCodeTest : public QObject
{
    Q_OBJECT

private slots:
    void theSavedCodesReadBackAsTheList()
    {
        std::vector<ListEntry> shortList = {{"Dairy\xB0 Cr\xE8me br\xFBl\xE9", true},
                                            {"special\xB0 Birthday candles", false}};
        std::vector<ListEntry> longList;
        for (int i = 0; i < 150; ++i)
            longList.push_back(
                {"Aisle " + std::to_string(i / 10) + "\xB0 Item " + std::to_string(i), i % 2 == 0});
        for (const auto& list : {shortList, longList}) {
            const std::vector<std::string> texts = QrCodeTexts("My Pantrix", {2026, 12, 7}, list);
            QCOMPARE(texts.size() > 1, list.size() > 100);
            QStringList expected;
            for (const std::string& text : texts)
                expected << QString::fromStdString(text);
            expected.sort();
            QTemporaryDir folder;
            FakeUi ui;
            QrWindow window(texts, "My Pantrix", ui, nullptr);
            qsizetype numbered = 0; // "2/3" under each code when there are several
            for (const QLabel* label : window.findChildren<QLabel*>())
                numbered += label->text().contains('/');
            QCOMPARE(numbered, texts.size() > 1 ? qsizetype(texts.size()) : 0);
            QVERIFY(window.SavePng(folder.filePath("list.png")));
            QCOMPARE(Decoded(folder.filePath("list.png")), expected);
            QCOMPARE(ui.StatusNotes.back(),
                     "Saved as " + folder.filePath("list.png").toStdString());
        }
    }
};

QTEST_MAIN(QrCodeTest)
#include "qt_qr_code_test.moc"
