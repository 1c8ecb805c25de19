// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the program asks the pupil through. The real ones are Qt's file
// dialog and message box; tests put in ones that answer at once.
#pragma once

#include "core/platform.h"

#include <QString>

#include <optional>
#include <string>

namespace jex::qt {

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual std::optional<std::string> asksavefile(const FileRequest& request) = 0;
    virtual std::optional<std::string> askopenfile(const FileRequest& request) = 0;
    virtual bool askyesno(const std::string& title, const std::string& question) = 0;
};

class QtDialogs final : public Dialogs {
  public:
    std::optional<std::string> asksavefile(const FileRequest& request) override;
    std::optional<std::string> askopenfile(const FileRequest& request) override;
    bool askyesno(const std::string& title, const std::string& question) override;
};

// A filter as the string table holds it, "description|pattern|" pairs, in
// the form the file dialog takes: "description (pattern)" lines.
QString namefilters(const std::string& filter);

} // namespace jex::qt
