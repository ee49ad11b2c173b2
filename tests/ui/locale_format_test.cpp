#include <QFontMetrics>
#include <QTest>

#include "ui/common/locale_text_format.h"

using namespace tavexo;

class LocaleFormatTest : public QObject {
    Q_OBJECT
  private slots:
    void money_data();
    void money();
    void cLocaleSpeaksGerman();
    void decimalSeparatorFollowsLocale();
    void textWidthMeasuresInGridFont();
};

void LocaleFormatTest::money_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("amount");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QString nbsp(QChar(0x00A0));
    QTest::newRow("de grouping") << de << 1234.5f << 1 << "1.234,5" + nbsp + "€";
    QTest::newRow("de no decimals") << de << 1000.0f << 0 << "1.000" + nbsp + "€";
    QTest::newRow("de rounds") << de << 12.46f << 1 << "12,5" + nbsp + "€";
    QTest::newRow("de negative") << de << -12.5f << 1 << "-12,5" + nbsp + "€";
    QTest::newRow("de zero") << de << 0.0f << 1 << "0,0";
    QTest::newRow("de zero no decimals") << de << 0.0f << 0 << "0,0";
    QTest::newRow("de minus zero") << de << -0.0f << 1 << "0,0";
    QTest::newRow("us") << us << 1234.5f << 1 << "$1,234.5";
    QTest::newRow("us zero") << us << 0.0f << 1 << "0,0";
}

void LocaleFormatTest::money() {
    QFETCH(QLocale, locale);
    QFETCH(float, amount);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    const LocaleTextFormat format(locale, QFont());
    QCOMPARE(QString::fromStdString(format.FormatMoney(amount, decimals)), text);
}

void LocaleFormatTest::cLocaleSpeaksGerman() {
    QCOMPARE(LocaleTextFormat::TableLocale(QLocale::c()).name(), QStringLiteral("de_DE"));
    QCOMPARE(LocaleTextFormat::TableLocale(QLocale(QLocale::French, QLocale::France)).name(),
             QStringLiteral("fr_FR"));
}

void LocaleFormatTest::decimalSeparatorFollowsLocale() {
    QCOMPARE(LocaleTextFormat(QLocale(QLocale::German), QFont()).DecimalSeparator(), ",");
    QCOMPARE(LocaleTextFormat(QLocale(QLocale::English), QFont()).DecimalSeparator(), ".");
}

void LocaleFormatTest::textWidthMeasuresInGridFont() {
    QFont small;
    small.setPixelSize(10);
    QFont large;
    large.setPixelSize(30);
    const LocaleTextFormat narrow(QLocale::c(), small);
    const LocaleTextFormat wide(QLocale::c(), large);
    const std::string text = "Stücke 12";
    QCOMPARE(narrow.TextWidth(""), 0);
    QCOMPARE(narrow.TextWidth(text),
             QFontMetrics(small).horizontalAdvance(QStringLiteral("Stücke 12")));
    QVERIFY(wide.TextWidth(text) > 2 * narrow.TextWidth(text));
    QVERIFY(narrow.TextWidth("WWWW") > narrow.TextWidth("iiii"));
}

QTEST_MAIN(LocaleFormatTest)
#include "locale_format_test.moc"
