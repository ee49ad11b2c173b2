#include "ui/drill/index_play_page.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "drill/calendar_days.h"
#include "drill/leitner_schedule.h"
#include "ui/common/card_painter.h"
#include "ui/common/locale_text_format.h"
#include "ui/common/qt_table_host.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/training/strategy_grid_view.h"

namespace tavexo {

namespace {

constexpr qint64 JULIAN_DAY_OF_1970_01_01 = 2440588;

// The boxes' colours, light enough for the grid's dark text on every one;
// a cell's box is in its tool tip as well, so nothing rests on colour.
const std::array<QColor, LEITNER_BOX_COUNT> BOX_COLOURS = {
    QColor(0xf4, 0xb4, 0xa8), QColor(0xf6, 0xcf, 0x9a), QColor(0xf2, 0xe4, 0x9a),
    QColor(0xc8, 0xe6, 0xa0), QColor(0x8f, 0xd1, 0x8f)};
// A cell the rules do not let decide: greyed text on the grid's ground.
const QColor OUT_OF_PLAY_TEXT(0x6a, 0x62, 0x50);

const char* ActionName(PlayChoice choice) {
    switch (choice) {
        case PlayChoice::Hit:
            return "BZiehen";
        case PlayChoice::Stand:
            return "BHalten";
        case PlayChoice::Double:
            return "BVerdoppeln";
        case PlayChoice::Split:
            return "BTeilen";
        case PlayChoice::Surrender:
            return "BAufgeben";
        case PlayChoice::Insure:
            return "BVersichern";
        case PlayChoice::NoInsurance:
            return "BNichtVersichern";
    }
    return "";
}

QString Signed(float count) {
    const QString number = LocaleTextFormat::TableLocale().toString(count, 'f', 1);
    return count > 0.0f ? QStringLiteral("+") + number : number;
}

QString BoxText(const LeitnerCard& card, int today) {
    if (!card.Seen()) return QStringLiteral("neu");
    const QString due = card.dueDay <= today
                            ? QStringLiteral("fällig")
                            : QStringLiteral("fällig am %1")
                                  .arg(QDate::fromJulianDay(card.dueDay + JULIAN_DAY_OF_1970_01_01)
                                           .toString(QStringLiteral("dd.MM.yyyy")));
    return QStringLiteral("Fach %1, %2").arg(card.box).arg(due);
}

// "Ziehen harte Hand" out of "Ziehen harte Hand [2 - 11 = Dealerkarte]",
// and the label of a grid that shares its group: "Aufgeben – weiche Hand".
QString ShortCaption(const StrategyGridSpec& spec) {
    QString caption = QString::fromUtf8(spec.caption);
    caption = caption.left(caption.indexOf(QLatin1Char('['))).trimmed();
    QString label = QString::fromUtf8(spec.label);
    label.remove(QChar(0x25C4));
    label = label.trimmed();
    return label.isEmpty() ? caption : caption + QStringLiteral(" – ") + label;
}

}  // namespace

QChar IndexPlayPage::ActionKey(PlayChoice choice) {
    switch (choice) {
        case PlayChoice::Hit:
            return QLatin1Char('Z');
        case PlayChoice::Stand:
            return QLatin1Char('H');
        case PlayChoice::Double:
            return QLatin1Char('V');
        case PlayChoice::Split:
            return QLatin1Char('T');
        case PlayChoice::Surrender:
            return QLatin1Char('A');
        case PlayChoice::Insure:
            return QLatin1Char('S');
        case PlayChoice::NoInsurance:
            return QLatin1Char('N');
    }
    return {};
}

IndexPlayPage::IndexPlayPage(QtTableHost& host, CardPainter& cards, ShoeShuffler& random,
                             std::string trainingFolder, QWidget* parent)
    : DrillPage(QStringLiteral("SeiteIndex"), INDEX_PLAY_EXERCISE, help::IndexPlays, host,
                std::move(trainingFolder), parent),
      painter_(cards),
      random_(random) {
    store_ = IndexCardStore::Load(TrainingFolder());

    // Between rounds the boxes, in a round the question.
    stage_ = new QStackedWidget(this);
    Stage()->addWidget(stage_, 1);

    overview_ = new QWidget(stage_);
    overview_->setObjectName(QStringLiteral("PUebersicht"));
    auto* overviewLayout = new QGridLayout(overview_);
    overviewLayout->setContentsMargins(0, 0, 0, 0);
    const auto& specs = StrategyGrids();
    // Three columns: hitting and hard doubles; soft doubles and splits;
    // surrender, insurance and the colours' legend.
    const int columnOf[8] = {0, 0, 0, 1, 1, 2, 2, 2};
    std::array<QVBoxLayout*, 3> columns{};
    for (int c = 0; c < 3; ++c) {
        columns[c] = new QVBoxLayout;
        overviewLayout->addLayout(columns[c], 0, c, Qt::AlignTop);
    }
    for (int g = 0; g < 8; ++g) {
        auto* caption = new QLabel(ShortCaption(specs[g]), overview_);
        caption->setProperty("role", QStringLiteral("fieldHeading"));
        grids[g] = new StrategyGridView(specs[g], overview_);
        grids[g]->setAccessibleName(ShortCaption(specs[g]));
        caption->setBuddy(grids[g]);
        columns[columnOf[g]]->addWidget(caption);
        columns[columnOf[g]]->addWidget(grids[g]);
    }
    insurance = new QLabel(overview_);
    insurance->setObjectName(QStringLiteral("LVersichern"));
    insurance->setAccessibleName(QStringLiteral("Versichern"));
    insurance->setAutoFillBackground(true);
    insurance->setMargin(4);
    auto* insuranceCaption = new QLabel(QStringLiteral("Versichern"), overview_);
    insuranceCaption->setProperty("role", QStringLiteral("fieldHeading"));
    columns[2]->addWidget(insuranceCaption);
    columns[2]->addWidget(insurance);
    auto* legend = new QGroupBox(QStringLiteral("Farben"), overview_);
    legend->setObjectName(QStringLiteral("GrFarben"));
    auto* legendLayout = new QGridLayout(legend);
    auto addSwatch = [&](int row, const QColor& ground, const QColor& text, const QString& words) {
        auto* swatch = new QLabel(words, legend);
        swatch->setAutoFillBackground(true);
        swatch->setMargin(2);
        swatch->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                                  .arg(ground.name(), text.name()));
        legendLayout->addWidget(swatch, row / 2, row % 2);
    };
    addSwatch(0, STYLE_GRID_BACKGROUND, STYLE_GRID_TEXT, QStringLiteral("neu"));
    for (int box = 1; box <= LEITNER_BOX_COUNT; ++box)
        addSwatch(box, BOX_COLOURS[box - 1], STYLE_GRID_TEXT, QStringLiteral("Fach %1").arg(box));
    addSwatch(6, STYLE_GRID_BACKGROUND, OUT_OF_PLAY_TEXT, QStringLiteral("gilt nicht"));
    legend->setToolTip(QStringLiteral(
        "Fach 1 ist morgen wieder dran, Fach 5 erst in zwei Wochen. „gilt nicht“: die "
        "Tischregeln lassen diese Zelle nie entscheiden."));
    columns[2]->addWidget(legend);
    for (QVBoxLayout* column : columns) column->addStretch();
    overviewLayout->setColumnStretch(3, 1);
    stage_->addWidget(overview_);

    questionPanel_ = new QWidget(stage_);
    questionPanel_->setObjectName(QStringLiteral("PFrage"));
    auto* questionLayout = new QVBoxLayout(questionPanel_);
    count = new QLabel(questionPanel_);
    count->setObjectName(QStringLiteral("LWahr"));
    count->setAccessibleName(QStringLiteral("Wahrer Zählwert"));
    count->setProperty("role", QStringLiteral("title"));
    questionLayout->addWidget(count);
    auto* table = new QGridLayout;
    auto* dealerCaption = new QLabel(QStringLiteral("Dealer"), questionPanel_);
    dealerCaption->setProperty("role", QStringLiteral("fieldHeading"));
    auto* handCaption = new QLabel(QStringLiteral("Ihre Hand"), questionPanel_);
    handCaption->setProperty("role", QStringLiteral("fieldHeading"));
    dealerCard = new QLabel(questionPanel_);
    dealerCard->setObjectName(QStringLiteral("LDealer"));
    dealerCard->setFixedSize(CARD_WIDTH, CARD_HEIGHT);
    table->addWidget(dealerCaption, 0, 0);
    table->addWidget(dealerCard, 1, 0);
    table->addWidget(handCaption, 0, 2, 1, 3);
    table->setColumnMinimumWidth(1, 40);
    for (int i = 0; i < 3; ++i) {
        handCards[i] = new QLabel(questionPanel_);
        handCards[i]->setObjectName(QStringLiteral("LKarte%1").arg(i + 1));
        handCards[i]->setFixedSize(CARD_WIDTH, CARD_HEIGHT);
        table->addWidget(handCards[i], 1, 2 + i);
    }
    table->setColumnStretch(5, 1);
    questionLayout->addLayout(table);
    question = new QLabel(questionPanel_);
    question->setObjectName(QStringLiteral("LFrage"));
    question->setProperty("role", QStringLiteral("heading"));
    question->setWordWrap(true);
    questionLayout->addWidget(question);
    questionLayout->addStretch();
    stage_->addWidget(questionPanel_);

    player = new QComboBox(this);
    player->setObjectName(QStringLiteral("cbSpieler"));
    player->setAccessibleName(QStringLiteral("Spieler"));
    cardsPerRound = new QSpinBox(this);
    cardsPerRound->setObjectName(QStringLiteral("spKarten"));
    cardsPerRound->setAccessibleName(QStringLiteral("Karten je Runde"));
    cardsPerRound->setRange(5, 100);
    cardsPerRound->setValue(20);
    SettingsForm()->addRow(QStringLiteral("Spieler"), player);
    SettingsForm()->addRow(QStringLiteral("Karten je Runde"), cardsPerRound);
    standing = new QLabel(this);
    standing->setObjectName(QStringLiteral("LStand"));
    standing->setAccessibleName(QStringLiteral("Stand"));
    standing->setWordWrap(true);
    SettingsForm()->addRow(standing);

    auto* buttons = new QGridLayout;
    for (int i = 0; i < PLAY_CHOICE_COUNT; ++i) {
        const PlayChoice choice = ALL_PLAY_CHOICES[i];
        auto* button = new QPushButton(QString::fromUtf8(PlayChoiceText(choice)), this);
        button->setObjectName(QLatin1String(ActionName(choice)));
        button->setToolTip(QStringLiteral("%1 (Taste %2)")
                               .arg(QString::fromUtf8(PlayChoiceText(choice)), ActionKey(choice)));
        button->setAutoDefault(true);
        actions[i] = button;
        // Plays in the first row, insurance in the second.
        buttons->addWidget(button, i < 4 ? 0 : 1, i < 4 ? i : i - 4);
        connect(button, &QPushButton::clicked, this, [this, choice] { Answer(choice); });
        keys_[i] = new QShortcut(QKeySequence(ActionKey(choice)), this);
        keys_[i]->setContext(Qt::WidgetWithChildrenShortcut);
        connect(keys_[i], &QShortcut::activated, this, [this, i] {
            if (actions[i]->isEnabled()) actions[i]->click();
        });
    }
    goOn = new QPushButton(QStringLiteral("Weiter"), this);
    goOn->setObjectName(QStringLiteral("BWeiter"));
    goOn->setToolTip(QStringLiteral("Die nächste Karte (Eingabetaste)"));
    goOn->setAutoDefault(true);
    buttons->addWidget(goOn, 1, 3);
    AnswerArea()->addLayout(buttons);
    auto* keysNote = new QLabel(
        QStringLiteral("Tasten: Z, H, V, T, A, S, N; weiter mit der Eingabetaste"), this);
    keysNote->setProperty("role", QStringLiteral("note"));
    AnswerArea()->addWidget(keysNote);

    connect(StartButton(), &QPushButton::clicked, this, &IndexPlayPage::Start);
    connect(StopButton(), &QPushButton::clicked, this, [this] { Finish(true); });
    connect(goOn, &QPushButton::clicked, this, &IndexPlayPage::GoOn);
    connect(player, &QComboBox::currentIndexChanged, this, [this] {
        if (!inRound_) ColourBoxes();
    });
    DisableAnswers();
    goOn->setEnabled(false);
    SetSources({});
}

void IndexPlayPage::SetSources(IndexPlaySources sources) {
    sources_ = std::move(sources);
    if (!sources_.rules) sources_.rules = [] { return TGameRules{}; };
    if (!sources_.training) sources_.training = [] { return TTrainingSettings{}; };
    if (!sources_.players) sources_.players = [] { return std::vector<std::string>{}; };
    if (!sources_.today) {
        sources_.today = [] {
            return static_cast<int>(QDate::currentDate().toJulianDay() - JULIAN_DAY_OF_1970_01_01);
        };
    }
    Refresh();
}

void IndexPlayPage::Refresh() {
    if (inRound_) return;
    const QString chosen = player->currentText();
    std::vector<std::string> names = sources_.players();
    // A player with boxes but no profile now (renamed, say) keeps them.
    for (const std::string& known : store_.Players())
        if (std::find(names.begin(), names.end(), known) == names.end()) names.push_back(known);
    if (names.empty()) names.push_back("Spieler");
    {
        const QSignalBlocker quiet(player);
        player->clear();
        for (const std::string& name : names) player->addItem(QString::fromStdString(name));
        const int again = player->findText(chosen);
        player->setCurrentIndex(again >= 0 ? again : 0);
    }
    rules_ = sources_.rules();
    training_ = sources_.training();
    cards_ = ActiveIndexCards(rules_, training_);
    ColourBoxes();
    if (!inRound_)
        ShowStatus(
            QStringLiteral("Indexspiele: die Entscheidungen, die der wahre Zählwert "
                           "umdreht. „Starten“ fragt die fälligen Karten ab."));
}

QWidget* IndexPlayPage::FirstFocus() const {
    if (!inRound_) return StartButton();
    return answered_ ? static_cast<QWidget*>(goOn) : actions[0];
}

std::string IndexPlayPage::PlayerName() const {
    return player->currentText().toStdString();
}

int IndexPlayPage::Today() const {
    return sources_.today();
}

std::vector<std::string> IndexPlayPage::ActiveIds() const {
    std::vector<std::string> ids;
    ids.reserve(cards_.size());
    for (const IndexCard& card : cards_) ids.push_back(card.cell.Id());
    return ids;
}

const IndexCard* IndexPlayPage::CardById(const std::string& id) const {
    for (const IndexCard& card : cards_)
        if (card.cell.Id() == id) return &card;
    return nullptr;
}

void IndexPlayPage::ShowStanding() {
    const LeitnerSummary s = store_.Deck(PlayerName()).Summary(ActiveIds(), Today());
    standing->setText(QStringLiteral("Fällig: %1 · Neu: %2 · Gelernt: %3 · Schwach: %4")
                          .arg(s.due)
                          .arg(s.fresh)
                          .arg(s.learnt)
                          .arg(s.weak));
}

void IndexPlayPage::ColourBoxes() {
    ShowStanding();
    const LeitnerDeck& deck = store_.Deck(PlayerName());
    const int today = Today();
    const std::vector<IndexCell> all = AllIndexCells(training_);
    for (const IndexCell& cell : all) {
        const bool active = CardById(cell.Id()) != nullptr;
        const LeitnerCard card = deck.Card(cell.Id());
        const QColor ground = card.Seen() ? BOX_COLOURS[card.box - 1] : STYLE_GRID_BACKGROUND;
        const QString words =
            QString::fromStdString(cell.Meaning()) + QStringLiteral(" – ") +
            (active ? BoxText(card, today) : QStringLiteral("gilt nicht bei diesen Tischregeln"));
        if (cell.IsInsurance()) {
            insurance->setText(
                QStringLiteral("über %1: %2").arg(cell.entry).arg(BoxText(card, today)));
            insurance->setToolTip(words);
            insurance->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                                         .arg(ground.name(), STYLE_GRID_TEXT.name()));
            continue;
        }
        QTableWidgetItem* item = grids[cell.grid]->CellFor(cell.key, cell.dealer);
        if (item == nullptr) continue;
        item->setBackground(active ? ground : STYLE_GRID_BACKGROUND);
        item->setForeground(active ? STYLE_GRID_TEXT : OUT_OF_PLAY_TEXT);
        QFont font = item->font();
        font.setItalic(!active);
        item->setFont(font);
        item->setToolTip(words);
        item->setData(Qt::AccessibleTextRole, words);
    }
    if (std::none_of(all.begin(), all.end(), [](const IndexCell& c) { return c.IsInsurance(); })) {
        insurance->setText(QStringLiteral("nie: keine Karte"));
        insurance->setToolTip(QStringLiteral("Im Trainingszentrum ist „nie“ versichern gewählt."));
        insurance->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }")
                                     .arg(STYLE_GRID_BACKGROUND.name(), OUT_OF_PLAY_TEXT.name()));
    }
}

void IndexPlayPage::Start() {
    if (inRound_ || !MayStart()) return;
    Refresh();
    session_ = store_.Deck(PlayerName())
                   .SessionOrder(ActiveIds(), Today(), static_cast<size_t>(cardsPerRound->value()));
    if (session_.empty()) {
        ShowStatus(QStringLiteral("Heute ist keine Karte fällig. Morgen geht es weiter."));
        return;
    }
    inRound_ = true;
    next_ = 0;
    askedAgain_.clear();
    score_ = QuizScore();
    ClearVerdict();
    ShowScore(score_, QString());
    SetRoundControls(true);
    stage_->setCurrentWidget(questionPanel_);
    emit roundChanged(true);
    ShowQuestion();
}

void IndexPlayPage::ShowQuestion() {
    const IndexCard* card = CardById(session_[next_]);
    question_ = MakeIndexQuestion(*card, rules_, training_, random_);
    answered_ = false;
    count->setText(QStringLiteral("Wahrer Zählwert %1").arg(Signed(question_->trueCount)));
    dealerCard->setPixmap(painter_.Face(question_->dealer));
    dealerCard->setAccessibleName(
        QStringLiteral("Dealer: %1").arg(QString::fromUtf8(CardText(question_->dealer))));
    for (size_t i = 0; i < handCards.size(); ++i) {
        if (i < question_->hand.size()) {
            handCards[i]->setPixmap(painter_.Face(question_->hand[i]));
            handCards[i]->setAccessibleName(QString::fromUtf8(CardText(question_->hand[i])));
            handCards[i]->show();
        } else {
            handCards[i]->clear();
            handCards[i]->hide();
        }
    }
    const bool insuranceCard = question_->cell.IsInsurance();
    question->setText(insuranceCard ? QStringLiteral("Der Dealer zeigt ein Ass. Versichern?")
                                    : QStringLiteral("Was spielen Sie?"));
    for (int i = 0; i < PLAY_CHOICE_COUNT; ++i) {
        const PlayChoice choice = ALL_PLAY_CHOICES[i];
        const bool insuranceChoice =
            choice == PlayChoice::Insure || choice == PlayChoice::NoInsurance;
        actions[i]->setEnabled(insuranceChoice == insuranceCard);
        keys_[i]->setEnabled(insuranceChoice == insuranceCard);
    }
    goOn->setEnabled(false);
    actions[insuranceCard ? 5 : 0]->setFocus();
    const size_t total = session_.size();
    ShowStatus(QStringLiteral("Karte %1 von %2").arg(next_ + 1).arg(total));
    askedAt_ = Host().NowMs();
}

void IndexPlayPage::Answer(PlayChoice choice) {
    if (!inRound_ || answered_ || !question_) return;
    answered_ = true;
    const bool right = choice == question_->right;
    score_.Record(right, right ? 0.0 : 1.0, Host().NowMs() - askedAt_);
    const std::string id = question_->cell.Id();
    LeitnerDeck& deck = store_.Deck(PlayerName());
    deck.Record(id, right, Today());
    // Every answer is kept at once: a round broken off loses nothing.
    const FileResult saved = store_.Save(TrainingFolder());
    if (!saved.ok) Host().ShowError(MessageText(saved.message));
    ShowStanding();
    if (!right && std::find(askedAgain_.begin(), askedAgain_.end(), id) == askedAgain_.end()) {
        askedAgain_.push_back(id);
        session_.push_back(id);
    }

    const QString rightText = QString::fromUtf8(PlayChoiceText(question_->right));
    QString text = right ? QStringLiteral("Richtig: %1.").arg(rightText)
                         : QStringLiteral("Falsch: Sie wählten %1. Richtig ist %2.")
                               .arg(QString::fromUtf8(PlayChoiceText(choice)), rightText);
    const char* grid =
        question_->cell.IsInsurance() ? "Versichern" : StrategyGrids()[question_->cell.grid].name;
    text += QStringLiteral("\n%1 · %2.")
                .arg(QString::fromUtf8(grid), QString::fromStdString(question_->cell.Meaning()));
    const LeitnerCard card = deck.Card(id);
    text += right ? QStringLiteral("\nJetzt in Fach %1, %2.")
                        .arg(card.box)
                        .arg(card.dueDay <= Today()
                                 ? QStringLiteral("heute noch einmal")
                                 : QStringLiteral("wieder dran in %1 %2")
                                       .arg(card.dueDay - Today())
                                       .arg(card.dueDay - Today() == 1 ? QStringLiteral("Tag")
                                                                       : QStringLiteral("Tagen")))
                  : QStringLiteral("\nZurück in Fach 1; sie kommt am Ende der Runde noch einmal.");
    ShowVerdict(text, right);
    ShowScore(score_, QString());
    DisableAnswers();
    goOn->setEnabled(true);
    goOn->setFocus();
}

void IndexPlayPage::DisableAnswers() {
    for (QPushButton* button : actions) button->setEnabled(false);
    // The letters are the page's only while a question waits: between
    // questions they belong to the fields (a player's name typed to find it).
    for (QShortcut* key : keys_) key->setEnabled(false);
}

void IndexPlayPage::GoOn() {
    if (!inRound_ || !answered_) return;
    if (++next_ < session_.size())
        ShowQuestion();
    else
        Finish(false);
}

void IndexPlayPage::Finish(bool stopped) {
    if (!inRound_) return;
    inRound_ = false;
    question_.reset();
    answered_ = false;
    KeepRound(player->currentText(), score_, false);
    DisableAnswers();
    goOn->setEnabled(false);
    stage_->setCurrentWidget(overview_);
    SetRoundControls(false);
    ColourBoxes();
    ShowScore(score_, QString());
    ShowStatus(stopped ? QStringLiteral("Runde beendet.")
                       : QStringLiteral("Runde geschafft. Die Farben zeigen, wo jede Karte jetzt "
                                        "steht."));
    emit roundChanged(false);
}

void IndexPlayPage::EndRound() {
    Finish(true);
}

}  // namespace tavexo
