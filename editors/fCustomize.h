#pragma once

#include "editors/InputWindow.h"

#include <QList>
#include <QString>

#include <optional>

class QCheckBox;
class QPushButton;

namespace hlpkit {
class CMethod;
}
namespace platform {
class Grid;
}

namespace vokg {

class CCusSelections;
class CCustom;
class CCustoms;

// The customize sets and function tables a customize window works on.
struct CustomizeData {
    CCustoms& user;
    const CCustoms& comparison;
    const CCusSelections& inputs;
    const CCusSelections& outputs;
};

// The customize editor: the signals of one group (a category, "All inputs" or "All outputs") in
// a grid that is the editing buffer, the comparison values beside them. Typed values reach the
// user customize set only through Update_Variable.
class fCustomize : public InputWindow {
    Q_OBJECT

public:
    // Columns 0 to 9 are fixed; user column c has its comparison twin c - 8.
    enum Column {
        ColLocation = 0,
        ColCategory,
        ColCmpKino,
        ColCmpLogic,
        ColCmpDosa,
        ColCmpOnDelay,
        ColCmpOffDelay,
        ColCmpDuty,
        ColCmpZenpa,
        ColDif,
        ColKino,
        ColLogic,
        ColDosa,
        ColOnDelay,
        ColOffDelay,
        ColDuty,
        ColZenpa,
        ColumnCount
    };
    static constexpr int kTwinOffset = ColKino - ColCmpKino;

    // `customName` is a group text; the window is an input window when it names inputs.
    fCustomize(CustomizeData data, EditorServices& services, Messenger& messenger, hlpkit::CMethod& method,
               QString customName, QWidget* parent = nullptr);
    ~fCustomize() override;

    const QString& CustomName() const { return customName_; }
    int INOUT() const { return inout_; }

    // The calls of the main window: the edited rows into the user set, the comparison shown,
    // the buttons by index (1 save, 2 print, 3 copy all, 4 copy this row, 9 close).
    bool Update_Variable() override;
    void PasteHikakuValue() override;
    void BTN_Click(int index) override;
    QString Caption() const override { return customName_; }
    QString WindowKind() const override { return QStringLiteral("fCustomize"); }

    // The ON / OFF time of the row's duty cell data; 0 when the data holds no comma.
    qint32 GetChopOnTime(int row) const;
    qint32 GetChopOffTime(int row) const;

    // Whether the user cell holds a value the stored user row does not (its "*").
    bool ValueIsDifCustomze(int row, int col) const;
    // Another window edited a cell of the signal `location`: this window takes it over.
    void TakeCell(const QString& location, int col, const QString& text, const QVariant& data);
    // The grid rows of a signal; none when this window does not show it.
    std::optional<int> RowOf(const QString& location) const;
    int RowCount() const { return int(rows_.size()); }

    platform::Grid* fg() const { return fg_; }
    QPushButton* BTN(int index) const;
    QCheckBox* chkCmp() const { return chkCmp_; }

protected:
    // The frame's steps, as this window takes them.
    // A customize window marks rows: every user column of the row counts.
    bool EditDiffersFromModel(int row, int col) const override;
    void TakeOverFrom(InputWindow& other) override;
    void DropEdits() override;
    platform::Grid* EditGrid() const override { return fg_; }
    QList<platform::GridCellPosition> EditableCells() const override;
    void AfterCellsRestored(const QList<platform::GridCellPosition>& cells) override;
    QString StepText(int row, int col) const override;

private:
    void Form_Load();
    void BuildControls();
    void Format_fg();
    void SetColFont();
    void DrawKubunLine();
    void PasteValue(int row);
    void PasteComparison(int row);
    void DrawDifCustomize(int row);
    void ApplyColumnVisibility();
    void ApplyRowColors(int row, bool highlighted) override;
    void EnableButtons();

    // The grid's events this window takes.
    void fg_DblClick(int row, int col, bool& handled) override;
    void fg_CellButtonClick(int row, int col) override;
    void fg_KeyDown(int key, bool& handled) override;
    void fg_BeforeEdit(int row, int col, bool& cancel) override;
    void fg_ValidateEdit(int row, int col, QString& text, bool& cancel) override;
    void fg_AfterEdit(int row, int col) override;
    void fg_RowColChange() override;
    void fg_DrawCell(QPainter& painter, int row, int col, const QRect& rect, bool& done) override;
    void fg_AfterUserResize(int col) override;

    bool IsUserColumn(int col) const;
    bool IsDataRow(int row) const { return row >= 1 && row <= int(rows_.size()); }
    const CCusSelections& Functions() const;
    void SetFunctionCell(int row, int col, qint32 value);
    void SetDutyCell(int row, int col, qint32 onTime, qint32 offTime);
    // The function tree for the row; the window takes a value that differs.
    void ChooseFunction(int row);
    void ToggleCell(int row, int col);
    // The steps after a user cell took a value: the other windows, the marks, the changed state.
    void AfterValueChanged(int row, int col);
    void UpdateSameCustomize(int row, int col);
    void ResetRow(int row);
    void ResetAllRow();
    void CopyComparisonInto(int row);
    const CCustom* ComparisonRow(int row) const;

    CustomizeData data_;
    hlpkit::CMethod& method_;
    QString customName_;
    int inout_ = 0;
    QList<CCustom*> rows_;
    bool comparisonLoaded_ = false;

    platform::Grid* fg_ = nullptr;
    QPushButton* buttons_[10] = {};
    QCheckBox* chkCmp_ = nullptr;
};

} // namespace vokg
