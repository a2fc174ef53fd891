#pragma once

#include <QDialog>
#include <QList>
#include <memory>

#include "compare/ProjectDiff.h"
#include "print/MessageCellPainter.h"

class ProjectSession;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

// The differing messages of one table language side by side, each side in its project's
// glyphs; the lines that differ are marked, a message missing on one side is greyed.
class CompareRows : public QWidget
{
    Q_OBJECT

public:
    explicit CompareRows(QWidget* parent = nullptr);

    // `left`, `right`: the fonts of both sides; `lineLength`: the display line width.
    void SetRows(const QList<MessageDifference>& rows, const CellDrawContext& left, const CellDrawContext& right,
                 int lineLength);
    int Current() const { return m_current; }
    void SetCurrent(int row);
    int Count() const { return static_cast<int>(m_rows.size()); }
    // The top and height of a row, for scrolling to it.
    QRect RowRect(int row) const;

Q_SIGNALS:
    void CurrentChanged(int row);
    void Activated(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int rowAt(int y) const;
    void layoutRows();

    QList<MessageDifference> m_rows;
    std::unique_ptr<TMessageTable> m_left;
    std::unique_ptr<TMessageTable> m_right;
    CellDrawContext m_leftFonts;
    CellDrawContext m_rightFonts;
    QList<int> m_tops; // one more than rows: the last is the bottom
    int m_numberWidth = 0;
    int m_textWidth = 0;
    int m_lineHeight = 0;
    int m_current = -1;
};

// "Mit Projekt vergleichen...": the open project ("dieses Projekt", left) next to another
// project or a ".bak" generation ("anderes", right). A message can be taken across from
// the right side, as one step of the project's undo history; the settings, the
// "tavolin.cfg" fields and the glyphs that differ are listed below.
class ProjectCompareWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectCompareWindow(ProjectSession& session, QWidget* parent = nullptr);
    ~ProjectCompareWindow() override;

    // Loads the other side (its texts from the ".bak" files when `backup`) and compares.
    // Raises the German error when it cannot be read; the window then shows nothing.
    void SetOther(const QString& folder, bool backup);
    // Takes the current message of the other side into the project. False when there is
    // none or the project cannot hold it (a language or table its display type lacks).
    bool TakeCurrent();
    // Compares anew (after the project changed).
    void Refresh();

    const ProjectDifference& Difference() const { return m_difference; }
    QComboBox* Tables() const { return m_tables; }
    CompareRows* Rows() const { return m_rows; }
    QPushButton* TakeButton() const { return m_take; }
    QCheckBox* BackupBox() const { return m_backupBox; }
    QPlainTextEdit* Details() const { return m_details; }

private:
    void showTable();
    void updateButtons();
    CellDrawContext fonts(const ProjectSession& session) const;

    ProjectSession& m_session;
    std::unique_ptr<ProjectSession> m_other;
    QString m_folder;
    ProjectDifference m_difference;
    QLabel* m_summary = nullptr;
    QCheckBox* m_backupBox = nullptr;
    QComboBox* m_tables = nullptr;
    QScrollArea* m_scroll = nullptr;
    CompareRows* m_rows = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QPushButton* m_take = nullptr;
};
