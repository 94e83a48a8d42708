// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/error_reporter.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace panels {
class PanelBoard;
} // namespace panels
namespace plot {
enum class GraphButton;
}

namespace app {

// The program's one window: the four graph panels on the left, the column of buttons, the
// instruction and the acceleration box on the right. Holds the acceleration every plot run
// reads. Client area 331 x 333, fixed. It reaches the panels through their board.
class GrafersteSeite : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int acceleration READ acceleration)

public:
    // Without a reporter, errors appear in a message box over the window.
    explicit GrafersteSeite(std::unique_ptr<winsys::ErrorReporter> errors = nullptr);
    ~GrafersteSeite() override;

    // The Load event: sets the acceleration to its start value 20.
    void load();
    std::int16_t acceleration() const { return m_acceleration; }

    panels::PanelBoard& board() const { return *m_board; }
    winsys::ErrorReporter& errorReporter() const { return *m_errors; }

private:
    void setIconAndFrameHints();
    void createPanels();
    void createButtons();
    void createInstruction();
    void createText1();
    void createCopyShortcut();
    void chainTabOrder();

    void validateText1();
    void plotGraph(plot::GraphButton button);
    void watchFocus(QWidget* old, QWidget* now);
    void copyVisiblePanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<panels::PanelBoard> m_board;
    std::array<QPushButton*, 4> m_graphButtons{}; // Command1 .. Command4
    QPushButton* m_command5 = nullptr;            // zurücksetzen
    QPushButton* m_command6 = nullptr;            // Ende
    QLabel* m_label17 = nullptr;
    QLineEdit* m_text1 = nullptr;
    std::unique_ptr<winsys::ErrorReporter> m_errors;

    std::int16_t m_acceleration = 0;
    // What Text1 is put back to when a text does not convert: the last text that did.
    QString m_lastConvertedText;
};

} // namespace app
