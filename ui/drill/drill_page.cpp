#include "ui/drill/drill_page.h"

#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/common/locale_text_format.h"
#include "ui/common/qt_table_host.h"
#include "ui/common/window_style.h"
#include "ui/drill/exercise_history_grid.h"
#include "ui/help/help_context.h"

namespace tavexo {

namespace {
constexpr int SIDE_WIDTH = 430;

void SetRole(QLabel* label, const QString& role) {
    label->setProperty("role", role);
    label->style()->unpolish(label);
    label->style()->polish(label);
}
}  // namespace

std::string HistoryTimeNow() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
}

DrillPage::DrillPage(const QString& objectName, const char* exercise, int helpContext,
                     QtTableHost& host, std::string trainingFolder, QWidget* parent)
    : QWidget(parent),
      exercise_(exercise),
      host_(host),
      trainingFolder_(std::move(trainingFolder)) {
    setObjectName(objectName);
    setAccessibleName(QString::fromUtf8(exercise));
    help::SetHelpContext(this, helpContext);

    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LStatus"));
    status_->setAccessibleName(QStringLiteral("Meldung"));
    status_->setWordWrap(true);
    SetRole(status_, QStringLiteral("heading"));
    left->addWidget(status_);
    stage_ = new QVBoxLayout;
    left->addLayout(stage_, 1);
    outer->addLayout(left, 1);

    auto* side = new QVBoxLayout;
    settings_ = new QGroupBox(QStringLiteral("Einstellungen"), this);
    settings_->setObjectName(QStringLiteral("GrEinstellungen"));
    settingsForm_ = new QFormLayout(settings_);
    side->addWidget(settings_);

    auto* run = new QHBoxLayout;
    start_ = new QPushButton(QStringLiteral("Starten"), this);
    start_->setObjectName(QStringLiteral("BRundeStarten"));
    start_->setToolTip(QStringLiteral("Eine Runde beginnen (Eingabetaste)"));
    // Return on the focused button starts, as a keyboard user expects.
    start_->setAutoDefault(true);
    stop_ = new QPushButton(QStringLiteral("Beenden"), this);
    stop_->setObjectName(QStringLiteral("BRundeBeenden"));
    stop_->setToolTip(QStringLiteral("Die Runde jetzt beenden; die Antworten bis hier zählen"));
    stop_->setAutoDefault(true);
    run->addWidget(start_);
    run->addWidget(stop_);
    run->addStretch();
    side->addLayout(run);

    auto* answer = new QGroupBox(QStringLiteral("Ihre Antwort"), this);
    answer->setObjectName(QStringLiteral("GrAntwort"));
    answerArea_ = new QVBoxLayout(answer);
    side->addWidget(answer);

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("LErgebnis"));
    verdict_->setAccessibleName(QStringLiteral("Ergebnis"));
    verdict_->setWordWrap(true);
    verdict_->setMinimumHeight(3 * verdict_->fontMetrics().height());
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    side->addWidget(verdict_);
    score_ = new QLabel(QStringLiteral("Noch keine Antwort in dieser Runde"), this);
    score_->setObjectName(QStringLiteral("LWertung"));
    score_->setAccessibleName(QStringLiteral("Wertung"));
    score_->setWordWrap(true);
    side->addWidget(score_);

    auto* latest = new QGroupBox(QStringLiteral("Letzte Ergebnisse"), this);
    latest->setObjectName(QStringLiteral("GrLetzte"));
    auto* latestLayout = new QVBoxLayout(latest);
    history_ = new ExerciseHistoryGrid(exercise_ != INDEX_PLAY_EXERCISE, latest);
    latestLayout->addWidget(history_);
    side->addWidget(latest);
    side->addStretch();

    close_ = new QPushButton(QStringLiteral("Schließen"), this);
    close_->setObjectName(QStringLiteral("BSchliessen"));
    close_->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close_);
    side->addLayout(bottom);

    auto* sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(SIDE_WIDTH);
    side->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(sideWidget);

    connect(close_, &QPushButton::clicked, this, &DrillPage::closeRequested);
    SetRoundControls(false);
    ReloadHistory();
}

QWidget* DrillPage::FirstFocus() const {
    return start_;
}

bool DrillPage::MayStart() {
    if (!blocker_) return true;
    const QString reason = blocker_();
    if (reason.isEmpty()) return true;
    host_.PlaySound(Sound::Piep, false);
    ShowStatus(reason);
    return false;
}

void DrillPage::ShowStatus(const QString& text) {
    status_->setText(text);
}

void DrillPage::ShowVerdict(const QString& text, bool right) {
    verdict_->setText(text);
    // Colour and words together: the verdict begins with "Richtig" or
    // "Falsch" in any case.
    SetRole(verdict_, right ? QStringLiteral("heading") : QStringLiteral("warning"));
}

void DrillPage::ClearVerdict() {
    verdict_->clear();
}

void DrillPage::ShowScore(const QuizScore& score, const QString& unit) {
    if (score.Answered() == 0) {
        score_->setText(QStringLiteral("Noch keine Antwort in dieser Runde"));
        return;
    }
    const QLocale locale = LocaleTextFormat::TableLocale();
    QString text = QStringLiteral("Richtig: %1 von %2 (%3 %)")
                       .arg(score.Right())
                       .arg(score.Answered())
                       .arg(locale.toString(100.0 * score.RightShare(), 'f', 0));
    if (!unit.isEmpty()) {
        text += QStringLiteral(", mittlerer Fehler: %1 %2")
                    .arg(locale.toString(score.MeanError(), 'f', 2), unit);
    }
    text +=
        QStringLiteral(", %1 s je Antwort").arg(locale.toString(score.SecondsPerAnswer(), 'f', 1));
    score_->setText(text);
}

void DrillPage::KeepRound(const QString& setting, const QuizScore& score, bool withError) {
    if (score.Answered() == 0) return;
    ExerciseRecord record;
    record.when = HistoryTimeNow();
    record.exercise = exercise_;
    record.setting = setting.toStdString();
    record.questions = score.Answered();
    record.right = score.Right();
    if (withError) record.meanError = score.MeanError();
    record.secondsPerAnswer = score.SecondsPerAnswer();
    const FileResult result = AppendExercise(trainingFolder_, record);
    if (!result.ok) host_.ShowError(MessageText(result.message));
    ReloadHistory();
}

void DrillPage::ReloadHistory() {
    history_->ShowRounds(LoadExercises(trainingFolder_, exercise_));
}

void DrillPage::SetRoundControls(bool inProgress) {
    const bool startHadFocus = start_->hasFocus();
    settings_->setEnabled(!inProgress);
    start_->setEnabled(!inProgress);
    stop_->setEnabled(inProgress);
    if (!inProgress && (startHadFocus || stop_->hasFocus() || focusWidget() == nullptr ||
                        !focusWidget()->isEnabled()))
        start_->setFocus();
}

}  // namespace tavexo
