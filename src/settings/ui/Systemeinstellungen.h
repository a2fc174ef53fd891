#pragma once

#include <QDialog>
#include <QList>

#include "project/DisplayType.h"
#include "settings/SystemSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TMessageTable;
struct TProjectState;

// "Systemeinstellungen": the display's system settings held in the settings lines of the
// open project. Every showing refills the fields from the lines; OK generates the lines
// afresh, "Abbruch" leaves them as they were.
class Systemeinstellungen : public QDialog
{
    Q_OBJECT

public:
    explicit Systemeinstellungen(QWidget* parent = nullptr);

    // Shows the dialog on the settings lines (language 1 of the operating texts). OK
    // replaces them and marks the project changed; returns whether OK was pressed.
    bool Edit(TProjectState& project, TMessageTable& operatingTexts);

    // Fills the fields from the lines for the display type, as every showing does.
    void Load(const QList<QByteArray>& lines, const TDisplayType& type);
    // The lines the last OK produced.
    const QList<QByteArray>& Lines() const { return m_lines; }

    QTabWidget* Pages() const { return m_pages; }
    QListWidget* KeyListBox() const { return m_keyList; }

    // Refuses, with a message naming the line, an unrecognised line the header cannot
    // hold; the dialog stays open then.
    void accept() override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildKeyPage();
    void changeSelectedKeys(quint8 mask, bool set);
    void updateKeyButtons();

    QTabWidget* m_pages;
    QWidget* m_keyPage = nullptr;
    QRadioButton* m_binary = nullptr;
    QRadioButton* m_bcd = nullptr;
    QRadioButton* m_cpm = nullptr;
    QRadioButton* m_ibm = nullptr;
    QComboBox* m_brightness = nullptr;
    QLineEdit* m_scrollTime = nullptr;
    QLineEdit* m_blinkOnTime = nullptr;
    QLineEdit* m_blinkOffTime = nullptr;
    QCheckBox* m_printer = nullptr;
    QGroupBox* m_addressGroup = nullptr;
    QLineEdit* m_keyAddress = nullptr;
    QLineEdit* m_ledAddress = nullptr;
    QLineEdit* m_station = nullptr;
    QListWidget* m_keyList = nullptr;
    QList<QPushButton*> m_keyButtons;
    QPlainTextEdit* m_otherLines = nullptr;

    TSystemSettings m_settings;
    TDisplayType m_type;
    QList<QByteArray> m_lines;
};
