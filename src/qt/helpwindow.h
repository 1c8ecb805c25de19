// SPDX-License-Identifier: GPL-3.0-or-later
// F1 and the help window: what each keypad key does, the keyboard's keys and
// the tools, in the words of the string table.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QTextBrowser;

namespace jex::qt {

// The help as one page of rich text: the keypad's keys, then the keyboard's
// keys as the keyboard table has them, then the tools.
QString helppage();

class HelpWindow final : public QWidget {
  public:
    HelpWindow();
    // Shows the window, or brings it to the front when it is shown already.
    void showhelp();
    QString shown() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTextBrowser* page_;
};

// Opens the help window when F1 is pressed in one of the four windows, and
// does nothing else: a run goes on as it was, and no key is pressed.
class HelpKey final : public QObject {
  public:
    explicit HelpKey(std::array<QWidget*, 4> windows);
    ~HelpKey() override;

    // Made at the first F1.
    HelpWindow* window() const { return window_.get(); }
    void openhelp();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QWidget*, 4> windows_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace jex::qt
