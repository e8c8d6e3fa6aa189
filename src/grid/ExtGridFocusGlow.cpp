#include "grid/ExtGridFocusGlow.h"

#include "platform/Forms.h"

namespace grid {

namespace {
// One side of the ring, fading from the glow colour at the cell's edge to
// the form's colour outside.
class TGlowStrip : public plat::TCustomControl {
public:
    TGlowStrip(plat::TComponent* AOwner, int Side) : plat::TCustomControl(AOwner), FSide(Side) {
        SetVisible(false);
        SetTabStop(false);
    }

protected:
    void Paint() override {
        plat::TCanvas& c = Canvas();
        const plat::TColor outside = Parent() ? plat::ColorToRGB(Parent()->Color()) : plat::clWhite;
        const int n = TGridFocusGlow::kRing;
        for (int i = 0; i < n; ++i) {
            // i = 0 is the line nearest the cell.
            const plat::TColor col = Mix(TGridFocusGlow::kGlowColor, outside, i, n);
            c.Pen().SetColor(col);
            switch (FSide) {
                case 0:  // top: nearest the cell at the bottom
                    c.MoveTo(0, Height() - 1 - i);
                    c.LineTo(Width(), Height() - 1 - i);
                    break;
                case 1:  // bottom
                    c.MoveTo(0, i);
                    c.LineTo(Width(), i);
                    break;
                case 2:  // left
                    c.MoveTo(Width() - 1 - i, 0);
                    c.LineTo(Width() - 1 - i, Height());
                    break;
                default:  // right
                    c.MoveTo(i, 0);
                    c.LineTo(i, Height());
                    break;
            }
        }
    }

private:
    static plat::TColor Mix(plat::TColor a, plat::TColor b, int i, int n) {
        auto ch = [&](int x, int y) { return x + (y - x) * i / n; };
        return plat::RGB(ch(plat::GetRValue(a), plat::GetRValue(b)), ch(plat::GetGValue(a), plat::GetGValue(b)),
                         ch(plat::GetBValue(a), plat::GetBValue(b)));
    }
    int FSide;
};
}  // namespace

TGridFocusGlow::TGridFocusGlow(plat::TComponent* AOwner) {
    for (int i = 0; i < 4; ++i) FStrips[static_cast<size_t>(i)] = new TGlowStrip(AOwner, i);
}

void TGridFocusGlow::Show(const plat::TRect& Cell, plat::TControl& Host) {
    plat::TWinControl* form = Host.ParentForm();
    if (!form) return;
    const plat::TPoint tl = form->ScreenToClient(Host.ClientToScreen({Cell.Left, Cell.Top}));
    const int w = Cell.Width(), h = Cell.Height(), n = kRing;
    FBounds = {tl.X - n, tl.Y - n, tl.X + w + n, tl.Y + h + n};
    const plat::TRect parts[4] = {{FBounds.Left, FBounds.Top, FBounds.Right, tl.Y},
                                  {FBounds.Left, tl.Y + h, FBounds.Right, FBounds.Bottom},
                                  {FBounds.Left, tl.Y, tl.X, tl.Y + h},
                                  {tl.X + w, tl.Y, FBounds.Right, tl.Y + h}};
    for (int i = 0; i < 4; ++i) {
        plat::TCustomControl* s = FStrips[static_cast<size_t>(i)];
        if (s->Parent() != form) s->SetParent(form);
        const plat::TRect& r = parts[i];
        s->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        s->SetVisible(true);
        s->BringToFront();
        s->Invalidate();
    }
}

void TGridFocusGlow::Hide() {
    for (plat::TCustomControl* s : FStrips) s->SetVisible(false);
}

bool TGridFocusGlow::Visible() const { return FStrips[0]->Visible(); }

}  // namespace grid
