#pragma once

#include "editors/InputWindow.h"
#include "editors/rules/FeedRules.h"
#include "platform/gui/GridCellPosition.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QBoxLayout;
class QGroupBox;
class QPainter;
class QPushButton;
class QRadioButton;

namespace hlpkit {
class CMethod;
class CString;
} // namespace hlpkit

namespace vokg {

class COkuris;

// The colours both feed windows paint with.
namespace feedcolors {
inline const QColor kHeaderShade(224, 224, 224);
inline const QColor kComparisonShade(255, 224, 192);
inline const QColor kCurrentRowShade(150, 245, 209);
inline const QColor kMarkColor(255, 0, 0);
} // namespace feedcolors

// What the feed-parameter window (one axis array or the seven other values) and the
// pitch-parameter window (the long arrays or the pitch arrays of one axis) share: user cells
// that each hold one entry of a feed array, the digits-only entry with its range, the edit
// marks against the stored values, the row filters, the copy of comparison values, and the
// push into the user feed data.
//
// The pitch arrays are a second view of bytes of the axis arrays, so a feed window and a pitch
// window may show the same byte. An edit in one shows at once in every other open window that
// shows that byte, and a window pushes only the cells that differ from the values it loaded:
// whatever order the windows push in, the file gets what the user typed last.
class FeedWindow : public InputWindow {
    Q_OBJECT

public:
    // The "Show" options.
    enum Filter { ShowAll = 0, ShowDifferent = 1, ShowEdited = 2 };

    FeedWindow(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
               hlpkit::CMethod& method, hlpkit::CString& keys, QString okuriCaption, QWidget* parent);
    ~FeedWindow() override;

    const QString& okuriCaption() const { return okuriCaption_; }
    QString Caption() const override { return okuriCaption_; }
    bool Update_Variable() override;
    void PasteHikakuValue() override;
    void BTN_Click(int index) override;

    QPushButton* BTN(int index) const;
    QRadioButton* opDisp(int index) const;
    int CurrentFilter() const { return filter_; }
    void SetFilter(int filter);

    // The entry a user cell holds; none for any other cell.
    std::optional<FeedRules::Place> PlaceOf(int row, int col) const;
    // The user cell that holds the entry, if this window shows it.
    std::optional<platform::GridCellPosition> CellOf(const FeedRules::Place& place) const;
    // The cell holds a value other than the stored one ("*").
    bool IsCellEdited(int row, int col) const;
    // Some user cell of the row differs from its comparison value ("DIF").
    bool RowDiffers(int row) const;
    // Some user cell of the row is edited.
    bool RowEdited(int row) const;

    // Another window changed the entry at `place` to `value`: the cells here that show the same
    // byte follow and count as edited here too.
    void FollowEdit(const FeedRules::Place& place, int value);

protected:
    // What a kind of feed window says about its grids.
    virtual int DataRows() const = 0;
    virtual QList<int> UserColumns() const = 0;
    virtual QString ColumnKey(int col) const = 0;
    virtual NumberRange RangeOf(int row, int col) const = 0;
    // The comparison text beside a user cell; empty while no comparison is shown.
    virtual QString ComparisonText(int row, int col) const = 0;
    virtual void SetComparisonText(int row, int col, const QString& text) = 0;
    // The comparison values are shown (or hidden without a comparison).
    virtual void ShowComparison(bool shown) = 0;
    virtual void ShowRow(int row, bool shown) = 0;
    // A value of the row changed: its marks are drawn again.
    virtual void RowValuesChanged(int row) = 0;
    // The current row moved: the previous one loses its shade, the new one gets it.
    virtual void ShadeRow(int row, bool shaded) = 0;
    virtual int PrintKind() const = 0;

    // The button strip (BTN 1, 2, 3, the "Show" options, BTN 9; BTN 4 with `rowCopy`) under
    // the grids.
    void BuildButtonStrip(QBoxLayout* layout, bool rowCopy);
    // The edit, key, move and drawing events of the user grid.
    void InstallEditEvents();
    // Fills the user cells from the user feed data; what they show is then the stored value.
    void LoadUserValues();
    bool ComparisonShown() const { return comparisonShown_; }
    hlpkit::CMethod& Method() const { return method_; }
    COkuris& UserFeed() const { return user_; }
    // Draws the edit mark into a user cell that differs from its stored value.
    void DrawEditMark(QPainter& painter, int row, int col, const QRect& rect) const;

    bool EditDiffersFromModel(int row, int col) const override;
    void DropEdits() override;
    void TakeOverFrom(InputWindow& other) override;
    QList<platform::GridCellPosition> EditableCells() const override;
    void AfterCellsRestored(const QList<platform::GridCellPosition>& cells) override;
    QString StepText(int row, int col) const override;

private:
    std::optional<int> StoredValue(int row, int col) const;
    void AfterCellChanged(int row, int col);
    // Writes `text` into a user cell that another route changed: marked as edited, shown.
    void PutUserText(int row, int col, const QString& text);
    void CopyComparison(const QList<int>& rows);
    void CopyAllCommand();
    void CopyRowCommand();
    void PrintCommand();
    void EnableButtons();
    QList<FeedWindow*> OtherFeedWindows() const;

    void fg_BeforeEdit(int row, int col, bool& cancel) override;
    void fg_ValidateEdit(int row, int col, QString& text, bool& cancel) override;
    void fg_AfterEdit(int row, int col) override;
    void fg_KeyPress(QChar& ch);
    void fg_RowColChange() override;

    COkuris& user_;
    COkuris& comparison_;
    hlpkit::CMethod& method_;
    hlpkit::CString& keys_;
    QString okuriCaption_;
    // The user values as stored, by key: what the cells showed when loaded.
    QHash<QString, QList<int>> stored_;
    QString editStartText_;
    int filter_ = ShowAll;
    int shadedRow_ = 0;
    bool comparisonShown_ = false;

    QPushButton* buttons_[10] = {};
    QGroupBox* frameDisp_ = nullptr;
    QRadioButton* opDisp_[3] = {};
};

} // namespace vokg
