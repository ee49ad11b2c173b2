#include "ui/help/help_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/common/window_style.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_catalog.h"
#include "ui/help/help_context.h"

namespace tavexo::help {

namespace {

constexpr char ZOOM_KEY[] = "Schriftstufe";
enum NavigationTab { ContentsTab = 0, IndexTab = 1, SearchTab = 2 };

QPushButton* ToolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& accessible) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessible);
    button->setToolTip(accessible);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(HelpCatalog& catalog, QWidget* parent)
    : QWidget(parent, Qt::Window), catalog_(catalog) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tavexo – Hilfe"));
    SetHelpContext(this, UsingHelp);
    QHelpEngine& engine = catalog_.Engine();

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    browser_ = new HelpBrowser(engine, this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    BuildToolBar(bar);

    navigation_ = new QTabWidget(this);
    navigation_->setObjectName(QStringLiteral("HelpNavigation"));
    QHelpContentWidget* contents = engine.contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setAccessibleName(QStringLiteral("Inhaltsverzeichnis"));
    navigation_->addTab(contents, QStringLiteral("&Inhalt"));
    navigation_->addTab(BuildIndexPage(), QStringLiteral("In&dex"));
    navigation_->addTab(BuildSearchPage(), QStringLiteral("&Suche"));

    auto* split = new QSplitter(this);
    split->addWidget(navigation_);
    split->addWidget(browser_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({340, 700});
    layout->addWidget(split, 1);

    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowTopic);
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this, contents](const QUrl& url) {
        const QModelIndex item = contents->indexOf(url);
        if (item.isValid()) contents->setCurrentIndex(item);
    });

    QHelpSearchEngine* search = engine.searchEngine();
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this] { indexing_ = true; });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        if (!pendingQuery_.isEmpty()) RunSearch();
    });
    connect(search, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::ShowSearchResults);

    // Large enough for two columns, small enough for a 1366 x 768 screen.
    QSize size(1040, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    ApplyWindowStyle(this);
    MakePlaceholderReadable(indexFilter_);
    MakePlaceholderReadable(searchQuery_);
    browser_->SetZoomStep(engine.customValue(QLatin1String(ZOOM_KEY), 0).toInt());
    Zoom(0);
}

void HelpWindow::BuildToolBar(QHBoxLayout* bar) {
    back_ = ToolButton(this, "BZurueck", QStringLiteral("◀ &Zurück"), QStringLiteral("Zurück"));
    forward_ = ToolButton(this, "BVor", QStringLiteral("&Vor ▶"), QStringLiteral("Vor"));
    auto* home = ToolButton(this, "BStartseite", QStringLiteral("S&tartseite"),
                            QStringLiteral("Startseite der Hilfe"));
    smaller_ =
        ToolButton(this, "BKleiner", QStringLiteral("A−"), QStringLiteral("Schrift kleiner"));
    larger_ = ToolButton(this, "BGroesser", QStringLiteral("A+"), QStringLiteral("Schrift größer"));
    auto* close = ToolButton(this, "BSchliessen", QStringLiteral("Schl&ießen"),
                             QStringLiteral("Hilfe schließen"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(back_), static_cast<QWidget*>(forward_),
                       static_cast<QWidget*>(home)})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("Schrift:"), this));
    bar->addWidget(smaller_);
    bar->addWidget(larger_);
    bar->addStretch(1);
    bar->addWidget(close);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] { ShowTopic(catalog_.StartPage()); });
    connect(smaller_, &QPushButton::clicked, this, [this] { Zoom(-1); });
    connect(larger_, &QPushButton::clicked, this, [this] { Zoom(+1); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto shortcut = [this](QKeySequence keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Back, [this] { browser_->backward(); });
    shortcut(QKeySequence::Forward, [this] { browser_->forward(); });
    shortcut(QKeySequence::ZoomIn, [this] { Zoom(+1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { Zoom(+1); });
    shortcut(QKeySequence::ZoomOut, [this] { Zoom(-1); });
    shortcut(QKeySequence::Find, [this] { ShowSearch(); });
}

QWidget* HelpWindow::BuildIndexPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("S&tichwort:"), page);
    indexFilter_ = new QLineEdit(page);
    indexFilter_->setObjectName(QStringLiteral("EIndex"));
    indexFilter_->setPlaceholderText(QStringLiteral("Anfang eines Stichworts"));
    label->setBuddy(indexFilter_);
    QHelpIndexWidget* index = catalog_.Engine().indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    index->setAccessibleName(QStringLiteral("Stichwortverzeichnis"));
    layout->addWidget(label);
    layout->addWidget(indexFilter_);
    layout->addWidget(index, 1);

    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link) { ShowTopic(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links) {
                if (!links.isEmpty()) ShowTopic(links.first().url);
            });
    return page;
}

QWidget* HelpWindow::BuildSearchPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("Such&begriffe:"), page);
    searchQuery_ = new QLineEdit(page);
    searchQuery_->setObjectName(QStringLiteral("ESuche"));
    searchQuery_->setPlaceholderText(QStringLiteral("zum Beispiel: wahrer Zählwert"));
    label->setBuddy(searchQuery_);
    auto* start = new QPushButton(QStringLiteral("Suchen"), page);
    start->setObjectName(QStringLiteral("BSuchen"));
    auto* row = new QHBoxLayout;
    row->addWidget(searchQuery_, 1);
    row->addWidget(start);
    searchStatus_ = new QLabel(page);
    searchStatus_->setObjectName(QStringLiteral("LTreffer"));
    searchResults_ = new QListWidget(page);
    searchResults_->setObjectName(QStringLiteral("GTreffer"));
    searchResults_->setAccessibleName(QStringLiteral("Suchergebnisse"));
    // A long topic title wraps rather than hiding its end behind a scroll bar.
    searchResults_->setWordWrap(true);
    searchResults_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    searchResults_->setResizeMode(QListView::Adjust);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(searchStatus_);
    layout->addWidget(searchResults_, 1);

    connect(searchQuery_, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
    connect(start, &QPushButton::clicked, this, &HelpWindow::RunSearch);
    connect(searchResults_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toUrl()); });
    connect(searchResults_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toUrl()); });
    return page;
}

void HelpWindow::RunSearch() {
    const QString query = searchQuery_->text().trimmed();
    pendingQuery_.clear();
    if (query.isEmpty()) {
        searchResults_->clear();
        searchStatus_->setText(QStringLiteral("Bitte einen Suchbegriff eingeben."));
        return;
    }
    if (indexing_) {
        // The first search after an update of the help waits for the index.
        pendingQuery_ = query;
        searchStatus_->setText(QStringLiteral("Das Suchverzeichnis wird aufgebaut …"));
        return;
    }
    searchStatus_->setText(QStringLiteral("Suche läuft …"));
    catalog_.Engine().searchEngine()->search(query);
}

void HelpWindow::ShowSearchResults() {
    QHelpSearchEngine* search = catalog_.Engine().searchEngine();
    const QList<QHelpSearchResult> results = search->searchResults(0, search->searchResultCount());
    searchResults_->clear();
    for (const QHelpSearchResult& result : results) {
        auto* item = new QListWidgetItem(result.title(), searchResults_);
        item->setData(Qt::UserRole, result.url());
        item->setToolTip(result.snippet());
    }
    if (results.isEmpty())
        searchStatus_->setText(
            QStringLiteral("Keine Treffer für „%1“.").arg(search->searchInput()));
    else
        searchStatus_->setText(results.size() == 1
                                   ? QStringLiteral("1 Treffer")
                                   : QStringLiteral("%1 Treffer").arg(results.size()));
    if (!results.isEmpty()) searchResults_->setCurrentRow(0);
}

void HelpWindow::ShowTopic(const QUrl& topic) {
    if (topic.isValid() && !topic.isEmpty()) browser_->setSource(topic);
    BringToFront();
}

void HelpWindow::ShowContents() {
    navigation_->setCurrentIndex(ContentsTab);
    if (browser_->source().isEmpty()) browser_->setSource(catalog_.StartPage());
    BringToFront();
    catalog_.Engine().contentWidget()->setFocus();
}

void HelpWindow::ShowSearch() {
    navigation_->setCurrentIndex(SearchTab);
    searchQuery_->clear();
    searchResults_->clear();
    searchStatus_->clear();
    if (browser_->source().isEmpty()) browser_->setSource(catalog_.StartPage());
    BringToFront();
    searchQuery_->setFocus();
}

QUrl HelpWindow::CurrentTopic() const {
    return browser_->source();
}

void HelpWindow::Zoom(int delta) {
    browser_->SetZoomStep(browser_->ZoomStep() + delta);
    smaller_->setEnabled(browser_->ZoomStep() > HelpBrowser::MIN_ZOOM_STEP);
    larger_->setEnabled(browser_->ZoomStep() < HelpBrowser::MAX_ZOOM_STEP);
    catalog_.Engine().setCustomValue(QLatin1String(ZOOM_KEY), browser_->ZoomStep());
}

void HelpWindow::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tavexo::help
