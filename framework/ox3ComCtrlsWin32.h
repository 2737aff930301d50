// The common controls over Win32: the report-style list view (items with sub-items, check
// boxes, in-place caption editing, per-column text colours) and the page control with its tab
// sheets. Both keep their contents in objects of their own, so a window re-created (or not yet
// created) loses nothing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/framework/ox3Classes.h"
#include "lexoro/framework/ox3ControlsWin32.h"

namespace lexoro {

class TListView;

// Parts of an item DisplayRect returns.
enum class TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
// What changed in an item (OnChange).
enum class TItemChange { ctText, ctImage, ctState };

// One row of a list view: a caption, the texts of the further columns, a check box, selection
// and focus, and an object of the program's that lives and dies with the item.
class TListItem : public TObject {
 public:
  [[nodiscard]] TListView& ListView() const { return FOwner; }
  [[nodiscard]] int Index() const;
  [[nodiscard]] const std::u16string& Caption() const { return FCaption; }
  void SetCaption(const std::u16string& Value);
  [[nodiscard]] const std::vector<std::u16string>& SubItems() const { return FSubItems; }
  // The text of column Index + 1; columns in between get empty texts.
  void SetSubItem(int Index, const std::u16string& Value);
  [[nodiscard]] bool Checked() const;
  void SetChecked(bool Value);
  [[nodiscard]] bool Selected() const;
  void SetSelected(bool Value);
  [[nodiscard]] bool Focused() const;
  void SetFocused(bool Value);
  [[nodiscard]] TObject* Data() const { return FData.get(); }
  void SetData(std::unique_ptr<TObject> Value) { FData = std::move(Value); }
  // The item's rectangle in the list's client coordinates (empty without a window).
  [[nodiscard]] RECT DisplayRect(TDisplayCode Code) const;
  // Starts editing the caption in place (the list must allow it).
  void EditCaption();
  void MakeVisible();

 private:
  friend class TListView;
  explicit TListItem(TListView& Owner) : FOwner(Owner) {}
  // The item's state bit from the window, or the kept one before there is a window.
  [[nodiscard]] bool State(UINT Mask, bool Kept) const;

  TListView& FOwner;
  std::u16string FCaption;
  std::vector<std::u16string> FSubItems;
  bool FChecked = false;
  bool FSelected = false;
  bool FFocused = false;
  std::unique_ptr<TObject> FData;
};

// A column of a report view. An auto-sized column takes the width the other columns leave.
struct TListColumn {
  std::u16string Caption;
  int Width = 50;
  bool AutoSize = false;
};

enum class TSortType { stNone, stText };

using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVEditingEvent = std::function<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, std::u16string& Text)>;
using TLVSubItemColorEvent = std::function<void(TObject* Sender, TListItem* Item, int SubItem, TColor& Color)>;

// A report-style list (class TListView over SysListView32), one selected item at a time.
class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* AOwner);
  ~TListView() override;

  // ---- Columns
  TListColumn& AddColumn(const std::u16string& Caption, int Width, bool AutoSize = false);
  [[nodiscard]] int ColumnCount() const { return static_cast<int>(FColumns.size()); }
  [[nodiscard]] const TListColumn& Column(int Index) const { return FColumns.at(static_cast<std::size_t>(Index)); }
  void SetColumnCaption(int Index, const std::u16string& Caption);
  void SetColumnWidth(int Index, int Width);
  [[nodiscard]] int ColumnWidth(int Index) const;

  // ---- Items
  // A new item with Caption, at the end or, in a sorted list, at its place.
  TListItem* AddItem(const std::u16string& Caption);
  void DeleteItem(int Index);
  void Clear();
  [[nodiscard]] int Count() const { return static_cast<int>(FItems.size()); }
  [[nodiscard]] TListItem* Item(int Index) const;
  [[nodiscard]] TListItem* Selected() const;
  [[nodiscard]] TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* Item);
  // The item at a point of the client area, if any.
  [[nodiscard]] TListItem* GetItemAt(int X, int Y) const;
  // The first item whose caption is exactly Caption, if any.
  [[nodiscard]] TListItem* FindCaption(const std::u16string& Caption) const;
  void BeginUpdate();
  void EndUpdate();

  // ---- Properties
  [[nodiscard]] bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool Value);
  [[nodiscard]] bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value);
  // Captions cannot be edited in place.
  [[nodiscard]] bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  [[nodiscard]] bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  [[nodiscard]] bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  [[nodiscard]] TSortType SortType() const { return FSortType; }
  void SetSortType(TSortType Value);
  // True while a caption is being edited in place.
  [[nodiscard]] bool IsEditing() const;

  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  // The colour of a column's text (SubItem 0 is the caption's column).
  TLVSubItemColorEvent OnGetSubItemColor;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  bool CNNotify(NMHDR& Header, LRESULT& Result) override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

 private:
  friend class TListItem;
  [[nodiscard]] int IndexOf(const TListItem* Item) const;
  // Where a caption goes in a sorted list.
  [[nodiscard]] int SortedIndex(const std::u16string& Caption, const TListItem* Except) const;
  void InsertIntoWindow(const TListItem& Item, int Index);
  // A caption changed: the window shows it, a sorted list moves the item to its place.
  void CaptionChanged(TListItem& Item);
  void ApplyExtendedStyle();
  void ApplyColumns();
  void FitAutoSizeColumn();
  // Keeps the states of the window's items in the objects (before the window goes).
  void KeepStates();
  bool CustomDraw(NMLVCUSTOMDRAW& Draw, LRESULT& Result);

  std::vector<TListColumn> FColumns;
  std::vector<std::unique_ptr<TListItem>> FItems;
  bool FCheckboxes = false;
  bool FShowColumnHeaders = true;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FRowSelect = false;
  TSortType FSortType = TSortType::stNone;
  int FUpdateCount = 0;
};

class TPageControl;

// One page of a page control: a container shown while its tab is the active one. TabVisible
// false keeps the page out of the tab row.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  [[nodiscard]] TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* Value);
  [[nodiscard]] std::u16string Caption() const { return FCaption; }
  void SetCaption(const std::u16string& Value);
  [[nodiscard]] bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  [[nodiscard]] int PageIndex() const;
  int CaptionWidth() override;

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  std::u16string FCaption;
  bool FTabVisible = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Pages under a row of tabs (class TPageControl over SysTabControl32). The user's changes of
// page (a click, Ctrl+Tab) ask OnChanging first and tell OnChange after; setting ActivePage asks
// and tells nothing.
class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  [[nodiscard]] int PageCount() const { return static_cast<int>(FPages.size()); }
  [[nodiscard]] TTabSheet* Pages(int Index) const { return FPages.at(static_cast<std::size_t>(Index)); }
  [[nodiscard]] TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Page);
  [[nodiscard]] int ActivePageIndex() const;
  // Turns to the next (or previous) page whose tab is visible, as the user would.
  void SelectNextPage(bool GoForward);
  // The area the pages cover, in the page control's client coordinates.
  [[nodiscard]] RECT DisplayRect();
  bool CtrlTabPressed(bool Backward) override;

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  bool CNNotify(NMHDR& Header, LRESULT& Result) override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  // Rebuilds the tab row from the pages whose tabs are visible.
  void UpdateTabs();
  void ShowActivePage();
  void LayoutPages();
  [[nodiscard]] int TabIndexOf(const TTabSheet* Page) const;
  [[nodiscard]] TTabSheet* PageOfTab(int TabIndex) const;
  // A user's change: OnChanging may refuse it.
  bool ChangePage(TTabSheet* Page);

  std::vector<TTabSheet*> FPages;  // not owned
  TTabSheet* FActivePage = nullptr;
};

}  // namespace lexoro
