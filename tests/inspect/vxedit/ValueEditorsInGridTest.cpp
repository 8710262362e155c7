#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VxEditTestSupport.h"
#include "oinspect/InspectorTestSupport.h"
#include "oinspect/OIColors.h"
#include "vxedit/CheckEdit.h"
#include "vxedit/ColorEdit.h"

using namespace InspectorTest;

namespace {
// The grid paints colour and Boolean values with the same controls that edit them: a value
// cell must show exactly what the editor shows in its own window.
class ValueEditorsInGridTest : public ::testing::Test, public TInspectorFixture {
 protected:
  // The inspector's cached painter of class T.
  template <typename T>
  T* CachedEditor() const {
    for (int i = 0; i < Inspector->GetComponentCount(); ++i)
      if (auto* editor = dynamic_cast<T*>(Inspector->GetComponent(i))) return editor;
    return nullptr;
  }

  std::vector<COLORREF> Block(TControl* control, const TRect& block) {
    std::vector<COLORREF> pixels;
    for (int y = block.Top; y < block.Bottom; ++y)
      for (int x = block.Left; x < block.Right; ++x)
        pixels.push_back(Pixel(control, x, y));
    return pixels;
  }

  // The block of row name's value cell that its painter covers: the cell right of the white
  // line of the 3-D column line.
  TRect PaintedBlock(const std::string& name, TControl* painter) const {
    const TRect cell = Inspector->CellRect(1, RowIndex(name));
    const int left = cell.Left + (Inspector->GetOptions().Contains(oiVertLine3D) ? 1 : 0);
    return TRect(left, cell.Top, left + painter->GetWidth(), cell.Top + painter->GetHeight());
  }

  // An editor of class T in its own window below the inspector, of painter's size, in the
  // grid's colours, showing text.
  template <typename T>
  T* StandAlone(TControl* painter, const std::string& text) {
    T* editor = New<T>(Form, 20, 220, painter->GetWidth(), painter->GetHeight());
    editor->SetColor(Inspector->GetColors()->GetBackColor());
    editor->SetFont(Inspector->GetFont());
    editor->GetFont()->SetColor(Inspector->GetColors()->GetCol1Color());
    editor->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Driver.ProcessMessages();
    return editor;
  }
};
}  // namespace

TEST_F(ValueEditorsInGridTest, AColourCellShowsWhatTheColourEditShows) {
  Ungroup();
  TGadget* gadget = NewGadget("Gadget1");
  gadget->Color = clRed;
  Inspector->SetControl(gadget);
  Driver.ProcessMessages();
  ASSERT_NE(RowIndex("Color"), Inspector->GetEditRow());
  auto* painter = CachedEditor<TColorEdit>();
  ASSERT_TRUE(painter);
  const TRect block = PaintedBlock("Color", painter);
  const std::vector<COLORREF> cell = Block(Inspector, block);
  auto* own = StandAlone<TColorEdit>(painter, "clRed");
  const TRect client(0, 0, own->GetWidth(), own->GetHeight());
  EXPECT_EQ(Block(own, client), cell);
  // The swatch is really there: red inside a black frame.
  EXPECT_EQ(Pixel(Inspector, block.Left + 10, block.Top + block.Height() / 2), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(Inspector, block.Left + 2, block.Top + block.Height() / 2), RGB(0, 0, 0));
}

TEST_F(ValueEditorsInGridTest, ABooleanCellShowsWhatTheCheckEditShows) {
  Ungroup();
  TGadget* gadget = NewGadget("Gadget1");
  gadget->Enabled = true;
  Inspector->SetControl(gadget);
  Driver.ProcessMessages();
  ASSERT_NE(RowIndex("Enabled"), Inspector->GetEditRow());
  auto* painter = CachedEditor<TCheckEdit>();
  ASSERT_TRUE(painter);
  const TRect block = PaintedBlock("Enabled", painter);
  const std::vector<COLORREF> checked = Block(Inspector, block);
  auto* own = StandAlone<TCheckEdit>(painter, "True");
  const TRect client(0, 0, own->GetWidth(), own->GetHeight());
  EXPECT_EQ(Block(own, client), checked);
  // An unchecked value paints differently, and again as the editor does.
  gadget->Enabled = false;
  Inspector->Repaint();
  Driver.ProcessMessages();
  const std::vector<COLORREF> unchecked = Block(Inspector, block);
  EXPECT_NE(unchecked, checked);
  own->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("False"));
  Driver.ProcessMessages();
  EXPECT_EQ(Block(own, client), unchecked);
}
