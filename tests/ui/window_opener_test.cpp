// Every secondary window opens once: a second opening brings the first back.
#include <QTest>
#include <QWidget>

#include "ui/common/window_opener.h"

using namespace tavexo;

class WindowOpenerTest : public QObject {
    Q_OBJECT
  private slots:
    void aSecondOpeningBringsTheFirstWindowBack();
    void aWindowThatDeletesItselfIsMadeAfresh();
    void createHiddenMakesTheWindowWithoutShowingIt();
    void anUnregisteredKindOpensNothing();
};

namespace {
struct CountingFactory {
    int made = 0;
    bool deleteOnClose = false;
    WindowOpener::Factory Factory() {
        return [this] {
            ++made;
            auto* window = new QWidget;
            window->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
            return window;
        };
    }
};
}  // namespace

void WindowOpenerTest::aSecondOpeningBringsTheFirstWindowBack() {
    WindowOpener opener;
    CountingFactory factory;
    opener.Register(SecondaryWindow::Statistics, factory.Factory());
    QWidget* first = opener.Open(SecondaryWindow::Statistics);
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());

    first->showMinimized();
    QWidget* second = opener.Open(SecondaryWindow::Statistics);
    QCOMPARE(second, first);
    QCOMPARE(factory.made, 1);
    QVERIFY(!second->isMinimized());

    first->hide();  // closing a window that is kept only hides it
    QCOMPARE(opener.Open(SecondaryWindow::Statistics), first);
    QVERIFY(first->isVisible());
    QCOMPARE(factory.made, 1);
    delete first;
}

void WindowOpenerTest::aWindowThatDeletesItselfIsMadeAfresh() {
    WindowOpener opener;
    CountingFactory factory;
    factory.deleteOnClose = true;
    opener.Register(SecondaryWindow::Info, factory.Factory());
    QWidget* first = opener.Open(SecondaryWindow::Info);
    first->close();
    QTRY_VERIFY(opener.Existing(SecondaryWindow::Info) == nullptr);
    QWidget* second = opener.Open(SecondaryWindow::Info);
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QCOMPARE(factory.made, 2);
    delete second;
}

void WindowOpenerTest::createHiddenMakesTheWindowWithoutShowingIt() {
    WindowOpener opener;
    CountingFactory factory;
    opener.Register(SecondaryWindow::LiveTables, factory.Factory());
    QWidget* window = opener.CreateHidden(SecondaryWindow::LiveTables);
    QVERIFY(window != nullptr);
    QVERIFY(!window->isVisible());
    QCOMPARE(opener.Open(SecondaryWindow::LiveTables), window);
    QCOMPARE(factory.made, 1);
    delete window;
}

void WindowOpenerTest::anUnregisteredKindOpensNothing() {
    WindowOpener opener;
    QVERIFY(!opener.IsRegistered(SecondaryWindow::Update));
    QCOMPARE(opener.Open(SecondaryWindow::Update), nullptr);
}

QTEST_MAIN(WindowOpenerTest)
#include "window_opener_test.moc"
