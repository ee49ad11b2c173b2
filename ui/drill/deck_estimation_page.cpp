#include "ui/drill/deck_estimation_page.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "ui/common/locale_text_format.h"
#include "ui/common/qt_table_host.h"
#include "ui/drill/discard_tray_view.h"
#include "ui/help/help_context.h"

namespace tavexo {

namespace {

QString Decks(double decks, int decimals = 2) {
    return LocaleTextFormat::TableLocale().toString(decks, 'f', decimals);
}

QString DeckWord(int decks) {
    return decks == 1 ? QStringLiteral("Deck") : QStringLiteral("Decks");
}

}  // namespace

DeckEstimationPage::DeckEstimationPage(QtTableHost& host, ShoeShuffler& random,
                                       std::string trainingFolder, QWidget* parent)
    : DrillPage(QStringLiteral("SeiteDecks"), DECK_ESTIMATION_EXERCISE, help::DeckEstimation, host,
                std::move(trainingFolder), parent),
      random_(random) {
    tray = new DiscardTrayView(this);
    Stage()->addWidget(tray, 1);

    shoeDecks = new QComboBox(this);
    shoeDecks->setObjectName(QStringLiteral("cbDecks"));
    shoeDecks->setAccessibleName(QStringLiteral("Schlitten"));
    for (const int decks : TRAY_SHOE_DECKS)
        shoeDecks->addItem(QStringLiteral("%1 %2").arg(decks).arg(DeckWord(decks)), decks);
    shoeDecks->setCurrentIndex(2);  // 6 decks, the common shoe
    step = new QComboBox(this);
    step->setObjectName(QStringLiteral("cbGenauigkeit"));
    step->setAccessibleName(QStringLiteral("Schätzen auf"));
    step->addItems({QStringLiteral("halbe Decks"), QStringLiteral("Viertel-Decks")});
    pictures = new QSpinBox(this);
    pictures->setObjectName(QStringLiteral("spBilder"));
    pictures->setAccessibleName(QStringLiteral("Bilder je Runde"));
    pictures->setRange(5, 50);
    pictures->setValue(10);
    SettingsForm()->addRow(QStringLiteral("Schlitten"), shoeDecks);
    SettingsForm()->addRow(QStringLiteral("Schätzen auf"), step);
    SettingsForm()->addRow(QStringLiteral("Bilder je Runde"), pictures);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Rest-Decks"), this);
    answer = new QDoubleSpinBox(this);
    answer->setObjectName(QStringLiteral("spRestDecks"));
    answer->setAccessibleName(QStringLiteral("Rest-Decks"));
    answer->setLocale(LocaleTextFormat::TableLocale());
    answer->setDecimals(2);
    answer->setRange(0.0, 8.0);
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

    connect(StartButton(), &QPushButton::clicked, this, &DeckEstimationPage::Start);
    connect(StopButton(), &QPushButton::clicked, this, [this] { Finish(true); });
    connect(check, &QPushButton::clicked, this, &DeckEstimationPage::AnswerOrGoOn);
    // Return in the field answers, and once answered goes on; leaving the
    // field (which also ends its editing) does neither.
    connect(answer, &QDoubleSpinBox::editingFinished, this, [this] {
        if (answer->hasFocus()) AnswerOrGoOn();
    });
    connect(step, &QComboBox::currentIndexChanged, this,
            [this] { answer->setSingleStep(StepInDecks(Settings().step)); });
    answer->setSingleStep(0.5);
    answer->setEnabled(false);
    check->setEnabled(false);
    ShowStatus(
        QStringLiteral("Wie viele Decks sind noch im Schlitten? „Starten“ zeigt die "
                       "erste Ablage."));
}

QWidget* DeckEstimationPage::FirstFocus() const {
    return round_ ? static_cast<QWidget*>(answer) : StartButton();
}

DeckEstimationSettings DeckEstimationPage::Settings() const {
    DeckEstimationSettings s;
    s.shoeDecks = shoeDecks->currentData().toInt();
    s.step = step->currentIndex() == 1 ? EstimateStep::QuarterDeck : EstimateStep::HalfDeck;
    s.pictures = pictures->value();
    return s;
}

QString DeckEstimationPage::SettingText() const {
    return shoeDecks->currentText() + QStringLiteral(", ") + step->currentText();
}

void DeckEstimationPage::Start() {
    if (round_ || !MayStart()) return;
    round_.emplace(Settings(), random_);
    ClearVerdict();
    ShowScore(round_->Round().Score(), QStringLiteral("Decks"));
    SetRoundControls(true);
    answer->setEnabled(true);
    check->setEnabled(true);
    emit roundChanged(true);
    ShowTray();
}

void DeckEstimationPage::ShowTray() {
    answered_ = false;
    check->setText(QStringLiteral("Prüfen"));
    tray->ShowTray(round_->Tray());
    ShowStatus(QStringLiteral("Bild %1 von %2: Wie viele Decks sind noch im Schlitten?")
                   .arg(round_->Round().Number())
                   .arg(round_->Round().Questions()));
    answer->setFocus();
    answer->selectAll();
    round_->Shown(Host().NowMs());
}

void DeckEstimationPage::AnswerOrGoOn() {
    if (!round_) return;
    if (answered_) {
        if (round_->Next())
            ShowTray();
        else
            Finish(false);
        return;
    }
    answered_ = true;
    const DeckEstimate estimate = round_->Answer(answer->value(), Host().NowMs());
    const DiscardTray& shown = round_->Tray();
    const bool right = estimate.Within(round_->Settings().step);
    QString text = QStringLiteral("%1: %2 Decks übrig (%3 Karten), Ihre Schätzung %4")
                       .arg(right ? QStringLiteral("Richtig") : QStringLiteral("Falsch"),
                            Decks(shown.RemainingDecks()), QString::number(shown.RemainingCards()),
                            Decks(estimate.answered));
    const double off = std::fabs(estimate.Error());
    if (off >= 0.005) {
        text += QStringLiteral(" – %1 %2")
                    .arg(Decks(off), estimate.Error() > 0 ? QStringLiteral("zu viel")
                                                          : QStringLiteral("zu wenig"));
    }
    ShowVerdict(text + QLatin1Char('.'), right);
    ShowScore(round_->Round().Score(), QStringLiteral("Decks"));
    check->setText(QStringLiteral("Weiter"));
    ShowStatus(round_->Round().Number() < round_->Round().Questions()
                   ? QStringLiteral("Eingabetaste: das nächste Bild")
                   : QStringLiteral("Eingabetaste: die Runde abschließen"));
}

void DeckEstimationPage::Finish(bool stopped) {
    if (!round_) return;
    const QuizScore score = round_->Round().Score();
    round_.reset();
    answered_ = false;
    KeepRound(SettingText(), score, true);
    answer->setEnabled(false);
    check->setEnabled(false);
    check->setText(QStringLiteral("Prüfen"));
    SetRoundControls(false);
    ShowScore(score, QStringLiteral("Decks"));
    ShowStatus(stopped ? QStringLiteral("Runde beendet.")
                       : QStringLiteral("Runde geschafft. „Starten“ für die nächste."));
    emit roundChanged(false);
}

void DeckEstimationPage::EndRound() {
    Finish(true);
}

}  // namespace tavexo
