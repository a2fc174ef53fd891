#pragma once

#include <QWidget>

#include "session/ProjectFind.h"

class CellEditor;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The find and replace bar below the grid. Its two fields are in-place editors like a
// cell's, so the search text is typed in the display's characters: umlauts, graphics
// characters ("Grafik ein") and blinking ones ("Blink ein").
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shown with the replace row or without; the find field (or the replace field) gets
    // the focus. The fields draw with the project's fonts.
    void Open(bool replacing, const QFont& standard, const QFont& graphics);

    // The fields' texts as display codes with attributes.
    QByteArray Pattern() const;
    QByteArray Replacement() const;
    ProjectFind::Scope Scope() const;
    TextSearch::Options Options() const;
    void SetResult(const QString& text);

    CellEditor* FindField() const { return m_find; }
    CellEditor* ReplaceField() const { return m_replace; }
    QPushButton* ReplaceAllButton() const { return m_replaceAll; }

Q_SIGNALS:
    void FindRequested(bool backward);
    void ReplaceRequested();
    void ReplaceAllRequested();
    void CloseRequested();

public:
    QSize minimumSizeHint() const override;
    // True while the options stand below the fields, for a window narrower than one row.
    bool IsNarrow() const { return m_narrow; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QByteArray codes(const CellEditor* field) const;
    void arrange(bool narrow);

    CellEditor* m_find;
    CellEditor* m_replace;
    QLabel* m_replaceLabel;
    QCheckBox* m_case;
    QCheckBox* m_words;
    QComboBox* m_tables;
    QComboBox* m_languages;
    QPushButton* m_replaceOne;
    QPushButton* m_replaceAll;
    QLabel* m_result;
    QLabel* m_findLabel = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
    QWidget* m_close = nullptr;
    bool m_narrow = false;
    int m_narrowWidth = 0;
    int m_wideWidth = 0;
    QFont m_standard;
    QFont m_graphics;
};
