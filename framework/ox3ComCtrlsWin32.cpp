#include "lexoro/framework/ox3ComCtrlsWin32.h"

#include <algorithm>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

wchar_t* W(const std::u16string& s) { return const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(s.c_str())); }

// The list view and tab classes are registered by comctl32 once asked for.
void EnsureCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES;
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

UINT CheckState(bool Checked) { return INDEXTOSTATEIMAGEMASK(Checked ? 2 : 1); }

}  // namespace

// ---- TListItem --------------------------------------------------------------------------------

int TListItem::Index() const { return FOwner.IndexOf(this); }

bool TListItem::State(UINT Mask, bool Kept) const {
  if (!FOwner.HandleAllocated()) return Kept;
  const auto state = static_cast<UINT>(SendMessageW(FOwner.FHandle, LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), Mask));
  if (Mask == LVIS_STATEIMAGEMASK) return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  return (state & Mask) != 0;
}

void TListItem::SetCaption(const std::u16string& Value) {
  FCaption = Value;
  FOwner.CaptionChanged(*this);
}

void TListItem::SetSubItem(int Index, const std::u16string& Value) {
  if (Index < 0) return;
  if (FSubItems.size() <= static_cast<std::size_t>(Index)) FSubItems.resize(static_cast<std::size_t>(Index) + 1);
  FSubItems[static_cast<std::size_t>(Index)] = Value;
  if (!FOwner.HandleAllocated()) return;
  LVITEMW item{};
  item.iSubItem = Index + 1;
  item.pszText = W(FSubItems[static_cast<std::size_t>(Index)]);
  SendMessageW(FOwner.FHandle, LVM_SETITEMTEXTW, static_cast<WPARAM>(this->Index()), reinterpret_cast<LPARAM>(&item));
}

bool TListItem::Checked() const { return State(LVIS_STATEIMAGEMASK, FChecked); }

void TListItem::SetChecked(bool Value) {
  FChecked = Value;
  if (!FOwner.HandleAllocated() || !FOwner.Checkboxes()) return;
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = CheckState(Value);
  SendMessageW(FOwner.FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

bool TListItem::Selected() const { return State(LVIS_SELECTED, FSelected); }

void TListItem::SetSelected(bool Value) {
  FSelected = Value;
  if (!FOwner.HandleAllocated()) return;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = Value ? LVIS_SELECTED : 0;
  SendMessageW(FOwner.FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

bool TListItem::Focused() const { return State(LVIS_FOCUSED, FFocused); }

void TListItem::SetFocused(bool Value) {
  FFocused = Value;
  if (!FOwner.HandleAllocated()) return;
  LVITEMW item{};
  item.stateMask = LVIS_FOCUSED;
  item.state = Value ? LVIS_FOCUSED : 0;
  SendMessageW(FOwner.FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

RECT TListItem::DisplayRect(TDisplayCode Code) const {
  RECT rect{};
  if (!FOwner.HandleAllocated()) return rect;
  switch (Code) {
    case TDisplayCode::drBounds: rect.left = LVIR_BOUNDS; break;
    case TDisplayCode::drIcon: rect.left = LVIR_ICON; break;
    case TDisplayCode::drLabel: rect.left = LVIR_LABEL; break;
    case TDisplayCode::drSelectBounds: rect.left = LVIR_SELECTBOUNDS; break;
  }
  if (!SendMessageW(FOwner.FHandle, LVM_GETITEMRECT, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&rect)))
    rect = RECT{};
  return rect;
}

void TListItem::EditCaption() {
  if (FOwner.ReadOnly()) return;
  FOwner.SetFocus();
  SendMessageW(FOwner.FHandle, LVM_EDITLABELW, static_cast<WPARAM>(Index()), 0);
}

void TListItem::MakeVisible() {
  if (FOwner.HandleAllocated()) SendMessageW(FOwner.FHandle, LVM_ENSUREVISIBLE, static_cast<WPARAM>(Index()), FALSE);
}

// ---- TListView --------------------------------------------------------------------------------

TListView::TListView(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 250;
  FHeight = 150;
  SetTabStop(true);
}

TListView::~TListView() {
  // The window goes first: its last notifications must not find items that are gone.
  Destroying();
  ReleaseWindow();
}

void TListView::CreateParams(TCreateParams& Params) {
  EnsureCommonControls();
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TListView";
  Params.BaseClassName = u"SysListView32";
  Params.Style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER;
  if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
  if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
  if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::InitializeWindow() {
  TWinControl::InitializeWindow();
  ApplyExtendedStyle();
  ApplyColumns();
  for (std::size_t i = 0; i < FItems.size(); ++i) InsertIntoWindow(*FItems[i], static_cast<int>(i));
  FitAutoSizeColumn();
}

void TListView::ApplyExtendedStyle() {
  if (!FHandle) return;
  const DWORD mask = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
  DWORD style = 0;
  if (FCheckboxes) style |= LVS_EX_CHECKBOXES;
  if (FRowSelect) style |= LVS_EX_FULLROWSELECT;
  SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TListView::ApplyColumns() {
  for (std::size_t i = 0; i < FColumns.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = W(FColumns[i].Caption);
    column.cx = FColumns[i].Width;
    column.iSubItem = static_cast<int>(i);
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void TListView::FitAutoSizeColumn() {
  if (!FHandle) return;
  const auto autoSized = std::find_if(FColumns.begin(), FColumns.end(), [](const TListColumn& c) { return c.AutoSize; });
  if (autoSized == FColumns.end()) return;
  int others = 0;
  for (std::size_t i = 0; i < FColumns.size(); ++i)
    if (&FColumns[i] != &*autoSized) others += ColumnWidth(static_cast<int>(i));
  const int width = std::max(20, ClientWidth() - others);
  autoSized->Width = width;
  SendMessageW(FHandle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(autoSized - FColumns.begin()), width);
}

TListColumn& TListView::AddColumn(const std::u16string& Caption, int Width, bool AutoSize) {
  FColumns.push_back({Caption, Width, AutoSize});
  if (FHandle) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = W(FColumns.back().Caption);
    column.cx = Width;
    column.iSubItem = static_cast<int>(FColumns.size() - 1);
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, FColumns.size() - 1, reinterpret_cast<LPARAM>(&column));
    FitAutoSizeColumn();
  }
  return FColumns.back();
}

void TListView::SetColumnCaption(int Index, const std::u16string& Caption) {
  if (Index < 0 || Index >= ColumnCount()) return;
  FColumns[static_cast<std::size_t>(Index)].Caption = Caption;
  if (!FHandle) return;
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = W(FColumns[static_cast<std::size_t>(Index)].Caption);
  SendMessageW(FHandle, LVM_SETCOLUMNW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&column));
}

void TListView::SetColumnWidth(int Index, int Width) {
  if (Index < 0 || Index >= ColumnCount()) return;
  FColumns[static_cast<std::size_t>(Index)].Width = Width;
  if (FHandle) SendMessageW(FHandle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Index), Width);
}

int TListView::ColumnWidth(int Index) const {
  if (Index < 0 || Index >= ColumnCount()) return 0;
  if (FHandle) return static_cast<int>(SendMessageW(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index), 0));
  return FColumns[static_cast<std::size_t>(Index)].Width;
}

int TListView::IndexOf(const TListItem* Item) const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == Item) return static_cast<int>(i);
  return -1;
}

int TListView::SortedIndex(const std::u16string& Caption, const TListItem* Except) const {
  const std::u16string key = platform::LowerCase(Caption);
  int index = 0;
  for (const auto& item : FItems) {
    if (item.get() == Except) continue;
    if (platform::LowerCase(item->FCaption) > key) break;
    ++index;
  }
  return index;
}

void TListView::InsertIntoWindow(const TListItem& Item, int Index) {
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  row.iItem = Index;
  row.pszText = W(Item.FCaption);
  row.lParam = reinterpret_cast<LPARAM>(&Item);
  row.stateMask = LVIS_SELECTED | LVIS_FOCUSED | (FCheckboxes ? LVIS_STATEIMAGEMASK : 0);
  row.state = (Item.FSelected ? LVIS_SELECTED : 0) | (Item.FFocused ? LVIS_FOCUSED : 0) |
              (FCheckboxes ? CheckState(Item.FChecked) : 0);
  const auto at = SendMessageW(FHandle, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
  for (std::size_t i = 0; i < Item.FSubItems.size(); ++i) {
    LVITEMW sub{};
    sub.iSubItem = static_cast<int>(i) + 1;
    sub.pszText = W(Item.FSubItems[i]);
    SendMessageW(FHandle, LVM_SETITEMTEXTW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
  }
  // The check box of an inserted row is set after the insertion on some systems.
  if (FCheckboxes && Item.FChecked) {
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = CheckState(true);
    SendMessageW(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&state));
  }
}

TListItem* TListView::AddItem(const std::u16string& Caption) {
  std::unique_ptr<TListItem> item(new TListItem(*this));
  item->FCaption = Caption;
  const int index = FSortType == TSortType::stText ? SortedIndex(Caption, nullptr) : Count();
  TListItem* raw = item.get();
  FItems.insert(FItems.begin() + index, std::move(item));
  if (FHandle) InsertIntoWindow(*raw, index);
  return raw;
}

void TListView::CaptionChanged(TListItem& Item) {
  const int index = IndexOf(&Item);
  if (index < 0) return;
  const int place = FSortType == TSortType::stText ? SortedIndex(Item.FCaption, &Item) : index;
  if (place != index) {
    // A sorted list moves the item to its new place, keeping its state.
    if (FHandle) {
      Item.FChecked = Item.Checked();
      Item.FSelected = Item.Selected();
      Item.FFocused = Item.Focused();
      SendMessageW(FHandle, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    }
    auto moved = std::move(FItems[static_cast<std::size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    FItems.insert(FItems.begin() + place, std::move(moved));
    if (FHandle) InsertIntoWindow(Item, place);
    return;
  }
  if (!FHandle) return;
  LVITEMW row{};
  row.iSubItem = 0;
  row.pszText = W(Item.FCaption);
  SendMessageW(FHandle, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
}

void TListView::DeleteItem(int Index) {
  if (Index < 0 || Index >= Count()) return;
  if (FHandle) SendMessageW(FHandle, LVM_DELETEITEM, static_cast<WPARAM>(Index), 0);
  FItems.erase(FItems.begin() + Index);
}

void TListView::Clear() {
  if (FHandle) SendMessageW(FHandle, LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

TListItem* TListView::Item(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[static_cast<std::size_t>(Index)].get();
}

TListItem* TListView::Selected() const {
  if (FHandle) return Item(static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
  for (const auto& item : FItems)
    if (item->FSelected) return item.get();
  return nullptr;
}

TListItem* TListView::ItemFocused() const {
  if (FHandle) return Item(static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
  for (const auto& item : FItems)
    if (item->FFocused) return item.get();
  return nullptr;
}

void TListView::SetItemFocused(TListItem* Item) {
  if (TListItem* current = ItemFocused(); current && current != Item) current->SetFocused(false);
  if (Item) Item->SetFocused(true);
}

TListItem* TListView::GetItemAt(int X, int Y) const {
  if (!FHandle) return nullptr;
  LVHITTESTINFO hit{};
  hit.pt = {X, Y};
  const auto index = SendMessageW(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (index < 0 || !(hit.flags & LVHT_ONITEM)) return nullptr;
  return Item(static_cast<int>(index));
}

TListItem* TListView::FindCaption(const std::u16string& Caption) const {
  for (const auto& item : FItems)
    if (item->FCaption == Caption) return item.get();
  return nullptr;
}

void TListView::BeginUpdate() {
  if (FUpdateCount++ == 0 && FHandle) SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FHandle) return;
  SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TListView::SetCheckboxes(bool Value) {
  FCheckboxes = Value;
  if (!FHandle) return;
  ApplyExtendedStyle();
  for (const auto& item : FItems) item->SetChecked(item->FChecked);
}

void TListView::SetShowColumnHeaders(bool Value) {
  if (Value == FShowColumnHeaders) return;
  FShowColumnHeaders = Value;
  RecreateWnd();
}

void TListView::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  RecreateWnd();
}

void TListView::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TListView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  ApplyExtendedStyle();
}

void TListView::SetSortType(TSortType Value) {
  FSortType = Value;
  if (Value != TSortType::stText) return;
  KeepStates();
  std::stable_sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) {
    return platform::LowerCase(a->FCaption) < platform::LowerCase(b->FCaption);
  });
  if (!FHandle) return;
  SendMessageW(FHandle, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < FItems.size(); ++i) InsertIntoWindow(*FItems[i], static_cast<int>(i));
}

bool TListView::IsEditing() const { return FHandle && SendMessageW(FHandle, LVM_GETEDITCONTROL, 0, 0) != 0; }

void TListView::KeepStates() {
  if (!FHandle) return;
  for (const auto& item : FItems) {
    item->FChecked = item->Checked();
    item->FSelected = item->Selected();
    item->FFocused = item->Focused();
  }
}

bool TListView::CustomDraw(NMLVCUSTOMDRAW& Draw, LRESULT& Result) {
  switch (Draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      Result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT:
      Result = CDRF_NOTIFYSUBITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      TColor color = Font().Color();
      OnGetSubItemColor(this, Item(static_cast<int>(Draw.nmcd.dwItemSpec)), Draw.iSubItem, color);
      Draw.clrText = ColorToRGB(color);
      Result = CDRF_NEWFONT;
      return true;
    }
    default:
      Result = CDRF_DODEFAULT;
      return true;
  }
}

bool TListView::CNNotify(NMHDR& Header, LRESULT& Result) {
  Result = 0;
  switch (Header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(Header);
      TListItem* item = Item(change.iItem);
      if (!item) return true;
      if ((change.uChanged & LVIF_TEXT) && OnChange) OnChange(this, item, TItemChange::ctText);
      if (change.uChanged & LVIF_STATE) {
        if (OnChange) OnChange(this, item, TItemChange::ctState);
        if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) && OnSelectItem && IndexOf(item) >= 0)
          OnSelectItem(this, item, (change.uNewState & LVIS_SELECTED) != 0);
      }
      return true;
    }
    case NM_CLICK:
      if (OnClick) OnClick(this);
      return true;
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick(this);
      return true;
    case LVN_BEGINLABELEDITW: {
      const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(Header);
      bool allow = !FReadOnly;
      if (TListItem* item = Item(info.item.iItem); item && OnEditing) OnEditing(this, item, allow);
      Result = allow ? FALSE : TRUE;
      return true;
    }
    case LVN_ENDLABELEDITW: {
      const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(Header);
      TListItem* item = Item(info.item.iItem);
      if (!item || !info.item.pszText) return true;  // cancelled
      std::u16string text(reinterpret_cast<const char16_t*>(info.item.pszText));
      if (OnEdited) OnEdited(this, item, text);
      if (IndexOf(item) >= 0) item->SetCaption(text);
      Result = FALSE;  // the item's caption was set above
      return true;
    }
    case NM_CUSTOMDRAW:
      if (!OnGetSubItemColor) return false;
      return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(Header), Result);
    default:
      return false;
  }
}

LRESULT TListView::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DESTROY && !IsDestroying()) KeepStates();
  const LRESULT result = TWinControl::WndProc(Msg, WParam, LParam);
  if (Msg == WM_SIZE) FitAutoSizeColumn();
  return result;
}

// ---- TTabSheet --------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) { FVisible = false; }

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  if (Value == FPageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = Value;
  SetParent(Value);
  if (Value) Value->InsertPage(this);
}

void TTabSheet::SetCaption(const std::u16string& Value) {
  FCaption = Value;
  if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool Value) {
  if (Value == FTabVisible) return;
  FTabVisible = Value;
  if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  const auto found = std::find(pages.begin(), pages.end(), this);
  return found == pages.end() ? -1 : static_cast<int>(found - pages.begin());
}

int TTabSheet::CaptionWidth() { return 0; }

void TTabSheet::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TTabSheet";
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

// ---- TPageControl -----------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 289;
  FHeight = 193;
  SetTabStop(true);
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
}

void TPageControl::CreateParams(TCreateParams& Params) {
  EnsureCommonControls();
  TWinControl::CreateParams(Params);
  Params.WinClassName = u"TPageControl";
  Params.BaseClassName = u"SysTabControl32";
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPageControl::InitializeWindow() {
  TWinControl::InitializeWindow();
  UpdateTabs();
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  UpdateTabs();
  if (!FActivePage && Page->TabVisible()) SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  std::erase(FPages, Page);
  if (FActivePage == Page) {
    FActivePage = nullptr;
    for (TTabSheet* p : FPages)
      if (p->TabVisible()) {
        FActivePage = p;
        break;
      }
  }
  if (!IsDestroying()) UpdateTabs();
}

int TPageControl::TabIndexOf(const TTabSheet* Page) const {
  int tab = 0;
  for (const TTabSheet* p : FPages) {
    if (!p->TabVisible()) continue;
    if (p == Page) return tab;
    ++tab;
  }
  return -1;
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const {
  int tab = 0;
  for (TTabSheet* p : FPages) {
    if (!p->TabVisible()) continue;
    if (tab++ == TabIndex) return p;
  }
  return nullptr;
}

void TPageControl::UpdateTabs() {
  if (!FHandle) return;
  SendMessageW(FHandle, TCM_DELETEALLITEMS, 0, 0);
  int tab = 0;
  for (TTabSheet* page : FPages) {
    if (!page->TabVisible()) continue;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = W(page->FCaption);
    SendMessageW(FHandle, TCM_INSERTITEMW, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOf(FActivePage)), 0);
  ShowActivePage();
}

void TPageControl::SetActivePage(TTabSheet* Page) {
  if (Page && Page->FPageControl != this) return;
  FActivePage = Page;
  if (FHandle) SendMessageW(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOf(Page)), 0);
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::ShowActivePage() {
  LayoutPages();
  for (TTabSheet* page : FPages)
    if (page != FActivePage) page->SetVisible(false);
  if (FActivePage) FActivePage->SetVisible(true);
}

RECT TPageControl::DisplayRect() {
  if (!FHandle) return RECT{4, 24, std::max(4, FWidth - 4), std::max(24, FHeight - 4)};
  RECT rect{};
  GetClientRect(FHandle, &rect);
  SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TPageControl::LayoutPages() {
  const RECT area = DisplayRect();
  for (TTabSheet* page : FPages) page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

bool TPageControl::ChangePage(TTabSheet* Page) {
  if (!Page || Page == FActivePage) return false;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return false;
  // The focus must not stay inside a page that is going away.
  const bool focusInside = FActivePage && FActivePage->HandleAllocated() && IsChild(FActivePage->Handle(), GetFocus());
  SetActivePage(Page);
  if (focusInside && CanFocus()) SetFocus();
  if (OnChange) OnChange(this);
  return true;
}

void TPageControl::SelectNextPage(bool GoForward) {
  std::vector<TTabSheet*> visible;
  for (TTabSheet* p : FPages)
    if (p->TabVisible()) visible.push_back(p);
  if (visible.empty()) return;
  const auto current = std::find(visible.begin(), visible.end(), FActivePage);
  std::size_t index = current == visible.end() ? 0 : static_cast<std::size_t>(current - visible.begin());
  index = GoForward ? (index + 1) % visible.size() : (index + visible.size() - 1) % visible.size();
  ChangePage(visible[index]);
}

bool TPageControl::CtrlTabPressed(bool Backward) {
  if (FPages.empty()) return false;
  SelectNextPage(!Backward);
  return true;
}

bool TPageControl::CNNotify(NMHDR& Header, LRESULT& Result) {
  switch (Header.code) {
    case TCN_SELCHANGING: {
      bool allow = true;
      if (OnChanging) OnChanging(this, allow);
      Result = allow ? FALSE : TRUE;
      return true;
    }
    case TCN_SELCHANGE:
      FActivePage = PageOfTab(static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0)));
      ShowActivePage();
      if (OnChange) OnChange(this);
      Result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT TPageControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const LRESULT result = TWinControl::WndProc(Msg, WParam, LParam);
  if (Msg == WM_SIZE) LayoutPages();
  return result;
}

}  // namespace lexoro
