// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the last import did, shown beside the main window after the run: the
// run's counts, the points before and after, the slots it filled or changed.
// It stays open while the user looks at the grid.

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace zef {

class ImportResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImportResultWindow(QWidget* parent);

    // Shows `report` for the file `adifPath`, in front.
    void showResult(const QString& adifPath, const QString& report);
    QString text() const;

private:
    QPlainTextEdit* text_ = nullptr;
};

} // namespace zef
