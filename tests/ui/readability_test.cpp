// Every window's texts as a reader sees them: at least 9 pt, and drawn with
// enough contrast to their background (4.5 : 1, the WCAG AA level for normal
// text). The contrast is measured on the rendered widget, not read from the
// style sheet, so a colour that the style, a palette or a state changes is
// caught as it ends up on screen.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QtMath>

#include "program_test.h"
#include "ui/common/window_opener.h"
#include "ui/table/table_window.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

// Relative luminance of an sRGB colour.
double Luminance(QRgb rgb) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The contrast of a widget's text as drawn, in the picture of its whole
// window (a widget without a background of its own shows what lies below
// it): its background is the colour that covers most of the widget; its
// text colour is the one, among the colours drawn often enough not to be
// the edge of an antialiased stroke, that stands out most from that
// background.
double RenderedContrast(const QImage& window, QWidget* top, QWidget* widget) {
    const QRect area(widget->mapTo(top, QPoint(0, 0)), widget->size());
    const QImage image = window.copy(area);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) counts[line[x] | 0xff000000u] += 1;
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() >= 3) best = qMax(best, Contrast(it.key(), background));
    }
    return best;
}

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (!label->pixmap().isNull()) return {};
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

}  // namespace

class ReadabilityTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void everyTextIsLargeAndClearEnough_data();
    void everyTextIsLargeAndClearEnough();
    void noWordIsBrokenInTheMiddleOfALine_data() { WindowRows(); }
    void noWordIsBrokenInTheMiddleOfALine();

  private:
    static void WindowRows();
};

void ReadabilityTest::everyTextIsLargeAndClearEnough_data() {
    WindowRows();
}

void ReadabilityTest::WindowRows() {
    QTest::addColumn<int>("kind");  // a SecondaryWindow, or -1 for the table
    QTest::newRow("table") << -1;
    QTest::newRow("statistics") << static_cast<int>(SecondaryWindow::Statistics);
    QTest::newRow("profiles") << static_cast<int>(SecondaryWindow::Profiles);
    QTest::newRow("training centre") << static_cast<int>(SecondaryWindow::TrainingCentre);
    QTest::newRow("strategy hints") << static_cast<int>(SecondaryWindow::StrategyHints);
    QTest::newRow("counting drill") << static_cast<int>(SecondaryWindow::CountingDrill);
    QTest::newRow("options") << static_cast<int>(SecondaryWindow::Options);
    QTest::newRow("update") << static_cast<int>(SecondaryWindow::Update);
    QTest::newRow("live tables") << static_cast<int>(SecondaryWindow::LiveTables);
    QTest::newRow("info") << static_cast<int>(SecondaryWindow::Info);
}

void ReadabilityTest::everyTextIsLargeAndClearEnough() {
    QFETCH(int, kind);
    QWidget* shown = &window();
    if (kind >= 0) shown = window().Windows().Open(static_cast<SecondaryWindow>(kind));
    QVERIFY(shown != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTest::qWait(50);

    const QImage picture = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList faults;
    int checked = 0;
    for (QWidget* widget : shown->findChildren<QWidget*>()) {
        const QString text = TextOf(widget);
        // A disabled control is exempt, as it is from the contrast rule.
        if (text.trimmed().isEmpty() || !widget->isVisible() || !widget->isEnabled() ||
            widget->width() < 4 || widget->height() < 4) {
            continue;
        }
        const QString name = QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text.left(30));
        const qreal points = QFontInfo(widget->font()).pointSizeF();
        if (points < 8.95) faults << QStringLiteral("%1: %2 pt").arg(name).arg(points);
        const double contrast = RenderedContrast(picture, shown, widget);
        if (contrast < 4.5) {
            faults << QStringLiteral("%1: contrast %2 : 1").arg(name).arg(contrast, 0, 'f', 2);
        }
        ++checked;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    QVERIFY2(checked > 0, "no text was found to measure");
}

namespace {

// Every text a window shows or tells a screen reader, as plain text.
QStringList TextsOf(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << (Qt::mightBeRichText(label->text())
                          ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                          : label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts << group->title();
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        }
    }
    for (QAction* action : window->findChildren<QAction*>()) texts << action->text();
    return texts;
}

}  // namespace

void ReadabilityTest::noWordIsBrokenInTheMiddleOfALine() {
    QFETCH(int, kind);
    QWidget* shown = &window();
    if (kind >= 0) shown = window().Windows().Open(static_cast<SecondaryWindow>(kind));
    QVERIFY(shown != nullptr);
    // A hyphen, a blank and the word going on in small letters: the line
    // break of a caption, shown in the middle of a line ("Zähl- werte").
    // A hyphen before "und" or "oder" leaves out a word's shared part
    // ("ein- oder ausschalten") and stays.
    static const QRegularExpression broken(QStringLiteral("\\p{L}- (\\p{Ll}+)"));
    QStringList faults;
    for (const QString& text : TextsOf(shown)) {
        for (auto match = broken.globalMatch(text); match.hasNext();) {
            const QString next = match.next().captured(1);
            if (next != QLatin1String("und") && next != QLatin1String("oder"))
                faults << QStringLiteral("\"%1\"").arg(text);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
}

QTEST_MAIN(ReadabilityTest)
#include "readability_test.moc"
