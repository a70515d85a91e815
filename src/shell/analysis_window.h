// What the snag and the log window both have besides their Statistical Test
// page (StatTestPage in shell/stat_test_graph.h): the "Optimal Selection" menus
// and the window's place on the screen kept between runs.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QSignalBlocker>
#include <QString>
#include <array>
#include <cstddef>

namespace vernalt {

// The menu "Optimal Selection" with a submenu per data sheet, each holding the
// same `Items` check items: item 0 lets the window choose, the others name one
// choice. The windows derive from it, so these are the windows' own members
// (w->mnuSingle).
template <std::size_t Items> struct OptimalSelectionMenus {
    QMenu* mnuOptimalSelection = nullptr;
    QMenu* mnuSingleStratum = nullptr; // "Single Stratum", then "Stratum 1" to "Stratum 4"
    QMenu* mnuStratumOne = nullptr;
    QMenu* mnuStratumTwo = nullptr;
    QMenu* mnuStratumThree = nullptr;
    QMenu* mnuStratumFour = nullptr;
    std::array<QAction*, Items> mnuSingle{};
    std::array<QAction*, Items> mnuStratum1{};
    std::array<QAction*, Items> mnuStratum2{};
    std::array<QAction*, Items> mnuStratum3{};
    std::array<QAction*, Items> mnuStratum4{};

    // The items of data sheet 0 ("Single/Combined") to 4 ("Stratum 4"); any
    // other number gives those of sheet 0.
    std::array<QAction*, Items>& selectionItems(int sheet) {
        switch (sheet) {
        case 1:
            return mnuStratum1;
        case 2:
            return mnuStratum2;
        case 3:
            return mnuStratum3;
        case 4:
            return mnuStratum4;
        default:
            return mnuSingle;
        }
    }

    // Adds "Optimal Selection" to `settings`: five submenus with the items
    // `captions`, checkable, item 0 checked.
    void buildSelectionMenus(QMenu* settings, const std::array<QString, Items>& captions) {
        mnuOptimalSelection = settings->addMenu(QStringLiteral("Optimal Selection"));
        mnuSingleStratum = mnuOptimalSelection->addMenu(QStringLiteral("Single Stratum"));
        mnuStratumOne = mnuOptimalSelection->addMenu(QStringLiteral("Stratum 1"));
        mnuStratumTwo = mnuOptimalSelection->addMenu(QStringLiteral("Stratum 2"));
        mnuStratumThree = mnuOptimalSelection->addMenu(QStringLiteral("Stratum 3"));
        mnuStratumFour = mnuOptimalSelection->addMenu(QStringLiteral("Stratum 4"));
        const std::array<QMenu*, 5> menus{mnuSingleStratum, mnuStratumOne, mnuStratumTwo,
                                          mnuStratumThree, mnuStratumFour};
        for (int sheet = 0; sheet < 5; ++sheet) {
            for (std::size_t n = 0; n < Items; ++n) {
                QAction* item = menus[std::size_t(sheet)]->addAction(captions[n]);
                item->setCheckable(true);
                item->setChecked(n == 0);
                selectionItems(sheet)[n] = item;
            }
        }
    }

    // Connects item n of sheet s to handlers[s](n) of `window`. A click does not
    // move the check mark by itself: the handler sets the marks.
    template <class Window>
    void connectSelectionMenus(Window* window,
                               const std::array<void (Window::*)(int), 5>& handlers) {
        for (int sheet = 0; sheet < 5; ++sheet) {
            const auto handler = handlers[std::size_t(sheet)];
            for (std::size_t n = 0; n < Items; ++n) {
                QAction* item = selectionItems(sheet)[n];
                QObject::connect(item, &QAction::triggered, window, [window, item, handler, n] {
                    {
                        const QSignalBlocker block(item);
                        item->setChecked(!item->isChecked());
                    }
                    (window->*handler)(int(n));
                });
            }
        }
    }
};

// The window's place as its section of the settings keeps it (MainLeft and
// MainTop, in twips), in pixels; a value missing or not a number gives 100 twips.
QPoint savedPosition(const QString& section);
// The place a window takes without a saved one: 100 twips from the left and the top.
QPoint defaultPosition();
// Keeps the window's place `at` (pixels) as MainLeft and MainTop of `section`, in
// twips written as single-precision numbers.
void savePosition(const QString& section, QPoint at);

} // namespace vernalt
