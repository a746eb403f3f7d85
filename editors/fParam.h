#pragma once

#include "editors/InputWindow.h"
#include "editors/ParamRows.h"

#include <QMultiHash>
#include <QString>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace hlpkit {
class CMethod;
class CToolTip;
} // namespace hlpkit

namespace platform {
class Grid;
}

namespace vokg {

class CModes;

// The parameter editor: the digitals of one mode, or of every mode one after the other, in a
// grid that is the editing buffer. Typed values reach the model only through Update_Variable.
class fParam : public InputWindow {
    Q_OBJECT

public:
    // Grid columns; 0 to 6 are fixed, only the user value can be edited.
    enum Column {
        ColMode = 0,
        ColDigital,
        ColAdvice,
        ColUnit,
        ColMin,
        ColMax,
        ColComparison,
        ColUser,
        ColDetail,
        ColDif,
        ColumnCount
    };
    // Row filters (the "Show" options).
    enum Filter { ShowAll = 0, ShowDifferent = 1, ShowEdited = 2 };

    // `modeName` is a mode of `modes`, or AllModesName() for the all-modes view, which asks the
    // special-mode password when the option "DoesOpenSpecialModeWhelAll" is on.
    fParam(CModes& modes, EditorServices& services, Messenger& messenger, hlpkit::CMethod& method,
           QString modeName, QWidget* parent = nullptr);
    ~fParam() override;

    // The caption of the all-modes view ("All").
    static QString AllModesName();

    const QString& ModeName() const { return modeName_; }
    bool IsAllModes() const { return allModes_; }

    QString WindowKind() const override { return QStringLiteral("fParam"); }
    QString Caption() const override { return modeName_; }
    bool Update_Variable() override;
    void PasteHikakuValue() override;
    void BTN_Click(int index) override;
    // The data row whose detail cell holds the point (grid window pixels), if any.
    std::optional<int> HitLimit(int x, int y) const;

    // The row filter, as the "Show" options choose it.
    void SetFilter(int filter);
    int CurrentFilter() const { return filter_; }
    int VisibleLines() const;
    // Whether the row (grid coordinates) holds an edit not yet in the model.
    bool IsRowEdited(int row) const;
    // The grid row that shows the digital, if this window shows it.
    std::optional<int> RowOf(const CDigital& digital) const;
    // Space on an ON/OFF row; false when the row is not one.
    bool ToggleOnOff(int row);
    // Find a digital by part of its name (btnFind, Ctrl+F).
    void FindOp();
    // Checks every row against its range; false when the user stopped at a value out of range.
    bool CheckRange();

    // Another window edited a digital this one may show: take the text over.
    void UpdateSameDigital(const CDigital& digital, const QString& text);
    // A bound of `digital` follows an edited digital.
    void UpdateBound(const CDigital& digital, bool upper, const QString& text);

    platform::Grid* fg() const { return fg_; }
    QPushButton* BTN(int index) const;
    QPushButton* btnFind() const { return btnFind_; }
    QRadioButton* opDisp(int index) const;
    QLabel* lblLines() const { return lblLines_; }
    const ParamRows& Rows() const { return rows_; }

protected:
    platform::Grid* EditGrid() const override { return fg_; }
    void resizeEvent(QResizeEvent* event) override;
    void DropEdits() override;
    void AfterEditsDropped() override;
    void TakeOverFrom(InputWindow& other) override;
    bool EditDiffersFromModel(int row, int col) const override;
    std::optional<EntryVerdict> RuleOfCell(int row, int col, const QString& text) const override;
    void WindowUnloading() override;
    QList<platform::GridCellPosition> EditableCells() const override;
    void AfterCellsRestored(const QList<platform::GridCellPosition>& cells) override;
    QString StepText(int row, int col) const override;

private:
    void BuildControls();
    void Form_Load();
    void Format_fg();
    void FillRow(int row);
    void FitColumns();
    QString ComparisonText(const ParamRow& row) const;
    void ShowComparisonState();
    void UpdateDifMark(int row);
    void DrawModeLines();
    void ApplyRowColors(int row, bool highlighted) override;
    void EnableButtons();
    void ToolTipSet();

    void fg_BeforeEdit(int row, int col, bool& cancel) override;
    void fg_ValidateEdit(int row, int col, QString& text, bool& cancel) override;
    void fg_AfterEdit(int row, int col) override;
    void fg_RowColChange() override;
    void fg_KeyDown(int key, bool& handled) override;
    void fg_MouseMove(int x, int y) override;
    void fg_DrawCell(QPainter& painter, int row, int col, const QRect& rect, bool& done) override;

    // The steps after a value changed in this window: the other windows, the bounds that name
    // the digital, the changed mark.
    void AfterValueChanged(int row, const QString& before);
    void UpdateDigitalHavingAsMinMax(const CDigital& edited, const QString& text);
    // Columns MIN and MAX as the model holds the bounds.
    void ShowModelBounds();
    // The bounds that name a value this window still holds unsaved follow that value again.
    void ReapplyEditedBounds();
    // The bounds of every parameter window follow the stored values and then the values the
    // windows hold unsaved.
    void FollowBoundsOfAllWindows();
    // Hides and shows the rows as the filter chooses; the cursor stays where it is.
    void ApplyFilterRows();
    QList<fParam*> OtherParamWindows() const;
    void ResetFace();
    void PrintCommand();
    bool SelectRow(int row);
    void ShowDb5Menu(const ParamRow& row, const QString& text);

    // A digital whose bound names another digital, by that digital's name.
    struct BoundFollower {
        CDigital* digital;
        bool upper;
    };

    CModes& modes_;
    hlpkit::CMethod& method_;
    // Bounds by name are fixed with the definitions, so who follows whom is known once.
    QMultiHash<QString, BoundFollower> boundFollowers_;
    QString modeName_;
    bool allModes_ = false;
    ParamRows rows_;
    int filter_ = ShowAll;
    QString editStartText_;
    std::optional<int> tipRow_;
    bool comparisonShown_ = false;

    platform::Grid* fg_ = nullptr;
    QWidget* picCMD_ = nullptr;
    QPushButton* buttons_[10] = {};
    QPushButton* btnFind_ = nullptr;
    QGroupBox* frameDisp_ = nullptr;
    QRadioButton* opDisp_[3] = {};
    QGroupBox* frameLines_ = nullptr;
    QLabel* lblLines_ = nullptr;
    std::unique_ptr<hlpkit::CToolTip> toolTip_;
};

} // namespace vokg
