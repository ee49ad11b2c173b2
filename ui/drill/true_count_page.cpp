#include "ui/drill/true_count_page.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

#include "ui/common/locale_text_format.h"
#include "ui/common/qt_table_host.h"
#include "ui/drill/discard_tray_view.h"
#include "ui/help/help_context.h"

namespace tavexo {

namespace {

QString Decimal(double value, int decimals) {
    return LocaleTextFormat::TableLocale().toString(value, 'f', decimals);
}

QString Signed(int value) {
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

// The big figures of the question.
QLabel* Figure(const QString& name, const QString& accessible, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setProperty("role", QStringLiteral("title"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QString TrueCountWorking(const TrueCountQuestion& q) {
    const double exact = static_cast<double>(q.remainingCards) / CARDS_PER_DECK;
    const int decks = static_cast<int>(std::nearbyint(exact));
    const QString cards =
        QStringLiteral("%1 Karten sind %2 Decks").arg(q.remainingCards).arg(Decimal(exact, 2));
    const QString result = Decimal(q.TrueCount(), 1);
    if (decks == 0) {
        return cards + QStringLiteral(
                           ", ein halbes Deck oder weniger: der laufende Zählwert "
                           "zählt doppelt, %1 × 2 = %2")
                           .arg(q.runningCount)
                           .arg(result);
    }
    return cards +
           QStringLiteral(", gerundet %1: %2 : %1 = %3").arg(decks).arg(q.runningCount).arg(result);
}

TrueCountPage::TrueCountPage(QtTableHost& host, ShoeShuffler& random, std::string trainingFolder,
                             QWidget* parent)
    : DrillPage(QStringLiteral("SeiteWahr"), TRUE_COUNT_EXERCISE, help::TrueCountDrill, host,
                std::move(trainingFolder), parent),
      random_(random) {
    running = Figure(QStringLiteral("LLaufend"), QStringLiteral("Laufender Zählwert"), this);
    Stage()->addWidget(running);
    shoe_ = new QStackedWidget(this);
    tray = new DiscardTrayView(shoe_);
    // The written decks right under the running count, as a pair.
    auto* written = new QWidget(shoe_);
    auto* writtenLayout = new QVBoxLayout(written);
    decksLeft = Figure(QStringLiteral("LRestDecks"), QStringLiteral("Im Schlitten"), written);
    writtenLayout->addWidget(decksLeft);
    writtenLayout->addStretch();
    shoe_->addWidget(tray);
    shoe_->addWidget(written);
    Stage()->addWidget(shoe_, 1);

    shoeDecks = new QComboBox(this);
    shoeDecks->setObjectName(QStringLiteral("cbDecks"));
    shoeDecks->setAccessibleName(QStringLiteral("Schlitten"));
    for (const int decks : TRAY_SHOE_DECKS) {
        shoeDecks->addItem(QStringLiteral("%1 %2").arg(decks).arg(
                               decks == 1 ? QStringLiteral("Deck") : QStringLiteral("Decks")),
                           decks);
    }
    shoeDecks->setCurrentIndex(2);
    display = new QComboBox(this);
    display->setObjectName(QStringLiteral("cbAnzeige"));
    display->setAccessibleName(QStringLiteral("Schlitten zeigen als"));
    display->addItems({QStringLiteral("Ablage (Bild)"), QStringLiteral("Rest-Decks (Zahl)")});
    display->setCurrentIndex(1);
    questions = new QSpinBox(this);
    questions->setObjectName(QStringLiteral("spFragen"));
    questions->setAccessibleName(QStringLiteral("Fragen je Runde"));
    questions->setRange(5, 50);
    questions->setValue(10);
    SettingsForm()->addRow(QStringLiteral("Schlitten"), shoeDecks);
    SettingsForm()->addRow(QStringLiteral("Zeigen als"), display);
    SettingsForm()->addRow(QStringLiteral("Fragen je Runde"), questions);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Wahrer Zählwert"), this);
    answer = new QDoubleSpinBox(this);
    answer->setObjectName(QStringLiteral("spWahrerZaehlwert"));
    answer->setAccessibleName(QStringLiteral("Wahrer Zählwert"));
    answer->setLocale(LocaleTextFormat::TableLocale());
    answer->setDecimals(1);
    answer->setRange(-99.9, 99.9);
    answer->setSingleStep(0.5);
    answer->setMinimumWidth(90);
    caption->setBuddy(answer);
    check = new QPushButton(QStringLiteral("Prüfen"), this);
    check->setObjectName(QStringLiteral("BAntwort"));
    check->setAutoDefault(false);
    row->addWidget(caption);
    row->addWidget(answer);
    row->addWidget(check);
    row->addStretch();
    AnswerArea()->addLayout(row);

    connect(StartButton(), &QPushButton::clicked, this, &TrueCountPage::Start);
    connect(StopButton(), &QPushButton::clicked, this, [this] { Finish(true); });
    connect(check, &QPushButton::clicked, this, &TrueCountPage::AnswerOrGoOn);
    connect(answer, &QDoubleSpinBox::editingFinished, this, [this] {
        if (answer->hasFocus()) AnswerOrGoOn();
    });
    answer->setEnabled(false);
    check->setEnabled(false);
    shoe_->setCurrentWidget(decksLeft->parentWidget());
    ShowStatus(
        QStringLiteral("Laufender Zählwert und Schlitten: wie hoch ist der wahre "
                       "Zählwert? „Starten“ stellt die erste Frage."));
}

QWidget* TrueCountPage::FirstFocus() const {
    return round_ ? static_cast<QWidget*>(answer) : StartButton();
}

TrueCountSettings TrueCountPage::Settings() const {
    TrueCountSettings s;
    s.shoeDecks = shoeDecks->currentData().toInt();
    s.display = display->currentIndex() == 0 ? ShoeDisplay::Tray : ShoeDisplay::DecksLeft;
    s.questions = questions->value();
    return s;
}

QString TrueCountPage::SettingText() const {
    return shoeDecks->currentText() + QStringLiteral(", ") +
           (display->currentIndex() == 0 ? QStringLiteral("Ablage") : QStringLiteral("Rest-Decks"));
}

void TrueCountPage::Start() {
    if (round_ || !MayStart()) return;
    round_.emplace(Settings(), random_);
    ClearVerdict();
    ShowScore(round_->Round().Score(), QStringLiteral("Punkte"));
    SetRoundControls(true);
    answer->setEnabled(true);
    check->setEnabled(true);
    emit roundChanged(true);
    ShowQuestion();
}

void TrueCountPage::ShowQuestion() {
    answered_ = false;
    check->setText(QStringLiteral("Prüfen"));
    const TrueCountQuestion& q = round_->Question();
    running->setText(QStringLiteral("Laufender Zählwert %1").arg(Signed(q.runningCount)));
    if (round_->Settings().display == ShoeDisplay::Tray) {
        tray->ShowTray(q.Tray());
        shoe_->setCurrentWidget(tray);
    } else {
        decksLeft->setText(QStringLiteral("Im Schlitten: %1 Decks")
                               .arg(Decimal(q.remainingCards / double(CARDS_PER_DECK), 2)));
        shoe_->setCurrentWidget(decksLeft->parentWidget());
    }
    ShowStatus(QStringLiteral("Frage %1 von %2: Wie hoch ist der wahre Zählwert?")
                   .arg(round_->Round().Number())
                   .arg(round_->Round().Questions()));
    answer->setFocus();
    answer->selectAll();
    round_->Shown(Host().NowMs());
}

void TrueCountPage::AnswerOrGoOn() {
    if (!round_) return;
    if (answered_) {
        if (round_->Next())
            ShowQuestion();
        else
            Finish(false);
        return;
    }
    answered_ = true;
    const TrueCountAnswer result = round_->Answer(answer->value(), Host().NowMs());
    const QString working = TrueCountWorking(round_->Question());
    if (result.Right()) {
        ShowVerdict(QStringLiteral("Richtig: %1.").arg(working), true);
    } else {
        ShowVerdict(QStringLiteral("Falsch: Sie sagten %1. Richtig ist %2: %3.")
                        .arg(Decimal(result.answered, 1), Decimal(result.actual, 1), working),
                    false);
    }
    ShowScore(round_->Round().Score(), QStringLiteral("Punkte"));
    check->setText(QStringLiteral("Weiter"));
    ShowStatus(round_->Round().Number() < round_->Round().Questions()
                   ? QStringLiteral("Eingabetaste: die nächste Frage")
                   : QStringLiteral("Eingabetaste: die Runde abschließen"));
}

void TrueCountPage::Finish(bool stopped) {
    if (!round_) return;
    const QuizScore score = round_->Round().Score();
    round_.reset();
    answered_ = false;
    KeepRound(SettingText(), score, true);
    answer->setEnabled(false);
    check->setEnabled(false);
    check->setText(QStringLiteral("Prüfen"));
    SetRoundControls(false);
    ShowScore(score, QStringLiteral("Punkte"));
    ShowStatus(stopped ? QStringLiteral("Runde beendet.")
                       : QStringLiteral("Runde geschafft. „Starten“ für die nächste."));
    emit roundChanged(false);
}

void TrueCountPage::EndRound() {
    Finish(true);
}

}  // namespace tavexo
