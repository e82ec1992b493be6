#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ui/CButton.h"
#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/StringFormat.h"

namespace ui {
class Graphics;
class Image;
}  // namespace ui
struct IRenderListener;

// A button of a layered window. It takes input like any push button but shows nothing by
// itself: it draws its current state's picture, and its caption, into its owner's
// composition, and asks the owner for a new pass whenever that picture changes.
class CLayeredButton : public CButton {
  public:
    // PNG resource numbers for each state; 0 for none. The normal one is required.
    struct ImageSet {
        std::uint16_t normal = 0;
        std::uint16_t disabled = 0;
        std::uint16_t hover = 0;
        std::uint16_t pressed = 0;
        std::uint16_t checked = 0;
    };

    CLayeredButton();
    ~CLayeredButton() override;

    // Loads the state pictures and sizes the button to the normal one; false without a
    // normal picture, and the button then holds none.
    bool SetImages(const ImageSet& images);
    // Chooses the picture for the current state; asks for a pass when it changed.
    virtual void UpdateImage();
    // Draws into a composition whose origin is the parent's client origin.
    virtual void Draw(ui::Graphics& graphics);

    void SetListener(IRenderListener* listener) { listener_ = listener; }
    // Null when the button has no pictures.
    const ui::Image* GetCurrentImage() const { return current_; }

  protected:
    void OnEnable(BOOL enable);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnRButtonDown(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

  private:
    enum Slot { kNormal, kDisabled, kHover, kPressed, kChecked, kSlots };

    const ui::Image* current_ = nullptr;
    bool hover_ = false;
    bool pressed_ = false;
    bool checked_ = false;
    bool tracking_ = false;
    ui::StringFormat format_ = ui::StringFormat::Centered();
    ui::Font font_{u"Arial", 12};
    ui::Color text_color_ = ui::Color{0xFF000000};
    std::array<std::unique_ptr<ui::Image>, kSlots> images_;
    IRenderListener* listener_ = nullptr;
    bool disabled_ = false;
};
