// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prefix search typed straight into the grid while it is sorted
// ascending by prefix: up to five characters move the selection to the
// first row whose prefix is not less than them.

#include "mainwindow/grid_cache.h"
#include "mainwindow/grid_model.h"

#include <QString>
#include <string>

namespace zef {

// What the grid's key press handler must do with the key.
struct KeyPressResult {
    bool swallow = false;       // set the key to #0
    bool openDataEntry = false; // Enter: open the data entry dialog for the highlighted row
};

class PrefixSearch {
public:
    static QString promptText(); // Label1 while the buffer is empty
    static QString nextText();   // Label1 while a prefix is being typed

    const std::string& buffer() const { return buffer_; }
    QString label1Text() const { return label1_; }
    QString label3Text() const; // the buffer as last shown (red, in the tool bar)

    // Empties the buffer only; Label3 shows its old text until the next key.
    void clearBuffer() { buffer_.clear(); }

    // A header click: leaving the ascending prefix order resets buffer and labels.
    void sortChanged(bool prefixAscending);

    // The grid's key press. Letters and digits ("0".."z") search only while
    // `prefixAscending`; the fifth character still moves and then empties
    // the buffer. Escape empties it. Enter empties it and asks for the data
    // entry dialog. Nothing happens without data rows in the cache.
    KeyPressResult keyPress(char key, GridModel& grid, const GridCache& cache,
                            bool prefixAscending);

private:
    std::string buffer_;
    QString label1_ = promptText();
    std::string label3_;
};

} // namespace zef
