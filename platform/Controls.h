#pragma once
// The window runtime the table is built from: a form holding controls
// (labels, images, picture boxes, a list box, command buttons, lines and the
// windowed user controls that draw cards), with geometry in twips, a Tag
// word, visibility, and click and mouse events. The model holds no widget: it
// is painted and fed with mouse input by a view (FormView in the programs,
// nothing at all in tests), so the whole game runs headless.

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

inline constexpr int TwipsPerPixel = 15;
// Twips to whole pixels, rounding to the nearest (950 twips -> 63 px).
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

// 0xRRGGBB
using Rgb = std::uint32_t;
constexpr Rgb RGB(int r, int g, int b) {
    return (static_cast<Rgb>(r & 255) << 16) | (static_cast<Rgb>(g & 255) << 8) | static_cast<Rgb>(b & 255);
}

// Windowed controls (picture boxes, the list box, buttons, the card
// controls) always stand above graphical ones (labels, images, lines).
enum class Layer { Graphical, Windowed };

class Form;

class Control {
public:
    explicit Control(Layer layer) : layer_(layer) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string Name;
    int Index = -1;  // index within a control array, -1 for a single control
    int Left = 0, Top = 0, Width = 0, Height = 0;  // twips
    bool Visible = true;
    std::string Tag;

    // Events. Mouse positions are in the control's own units: pixels for
    // picture boxes and user controls, twips for the others.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseUp;

    void Move(int left, int top, int width, int height);
    void Move(int left, int top);
    bool Contains(int pixelX, int pixelY) const;  // in form pixels
    int PixelLeft() const { return TwipsToPixels(Left); }
    int PixelTop() const { return TwipsToPixels(Top); }
    int PixelWidth() const { return TwipsToPixels(Width); }
    int PixelHeight() const { return TwipsToPixels(Height); }

    Layer layer() const { return layer_; }
    virtual bool MouseInPixels() const { return false; }
    Form* form() const { return form_; }
    // Asks whoever shows the form to show the control anew at once. A control
    // that draws itself does its drawing when it is next painted, so a form
    // nobody shows draws nothing.
    void Refresh();
    // Device pixels per form pixel on the screen that shows the form (1 when
    // nobody shows it): surfaces and pictures are drawn at it.
    double PixelRatio() const;

protected:
    virtual void refreshed() {}

private:
    friend class Form;
    Layer layer_;
    Form* form_ = nullptr;
};

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    Label() : Control(Layer::Graphical) {}
    std::string Caption;  // may hold CR LF line breaks
    Rgb ForeColor = RGB(0, 0, 0);
    Rgb BackColor = RGB(0, 128, 0);
    bool BackOpaque = true;
    Alignment TextAlign = Alignment::Left;
    int FontPointSize = 10;
    bool FontBold = true;
    // A rim of another colour around each letter, so the text reads over
    // whatever picture lies behind a transparent label.
    bool TextHalo = false;
    Rgb HaloColor = RGB(255, 255, 255);
};

class Image : public Control {
public:
    Image() : Control(Layer::Graphical) {}
    std::shared_ptr<const QImage> Picture;
    bool Stretch = false;  // off: the picture at its own size at the top left
};

enum class RasterOp { Copy, And };

// A picture box with a persistent pixel surface (it keeps what was painted
// on it, also while hidden). Its units are pixels.
class PictureBox : public Control {
public:
    PictureBox() : Control(Layer::Windowed) {}
    Rgb BackColor = RGB(0, 128, 0);
    // Format_RGB32, sized by EnsureSurface: the control's pixel size times
    // the pixel ratio, with that device pixel ratio set.
    QImage Surface;

    // Makes the surface the control's pixel size at the form's pixel ratio
    // (keeps what fits, redrawn at the new ratio), filled with the back
    // colour where new.
    void EnsureSurface();
    void Cls();
    // Paints a source rectangle onto the surface at (dx, dy) with a raster
    // operation; both rectangles are clipped to their bitmaps. Positions and
    // sizes are form pixels; the operation works on every device pixel, so a
    // source drawn at the surface's pixel ratio lands pixel for pixel.
    void PaintPicture(const QImage& src, int dx, int dy, int w, int h, int sx, int sy, RasterOp op);
    void PaintPicture(const PictureBox& src, int dx, int dy, int w, int h, int sx, int sy, RasterOp op) {
        PaintPicture(src.Surface, dx, dy, w, h, sx, sy, op);
    }
    bool MouseInPixels() const override { return true; }
};

class ListBox : public Control {
public:
    ListBox() : Control(Layer::Windowed) {}
    std::vector<std::string> Items;
    Rgb ForeColor = RGB(255, 255, 0);
    Rgb BackColor = RGB(0, 128, 0);
    // Appends an item; the oldest items go once MaxItems is reached, so a
    // long session cannot grow the list without bound.
    void AddItem(const std::string& item);
    void Clear() { Items.clear(); }
    int ListCount() const { return static_cast<int>(Items.size()); }
    int TopIndex = 0;
    static constexpr int MaxItems = 5000;
};

class CommandButton : public Control {
public:
    CommandButton() : Control(Layer::Windowed) {}
    std::string Caption;
};

class Line : public Control {
public:
    Line() : Control(Layer::Graphical) {}
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // twips
    Rgb BorderColor = RGB(0, 0, 0);
};

// A windowed control that draws itself on its own surface (the card
// controls). Paint() draws the surface; it runs when the control is shown
// after a Refresh, or at another pixel ratio, and not before.
class UserControl : public Control {
public:
    UserControl() : Control(Layer::Windowed) {}
    QImage Surface;
    bool MouseInPixels() const override { return true; }
    virtual void Paint() {}
    // The surface, drawn first when a refresh left it out of date.
    const QImage& PaintedSurface() const;
    // Counts the refreshes, so a view sees that the control changed.
    std::uint64_t Refreshes() const { return refreshes_; }

protected:
    void refreshed() override {
        ++refreshes_;
        stale_ = true;
    }

private:
    std::uint64_t refreshes_ = 0;
    mutable bool stale_ = true;
};

// The window: its controls in z-order and the mouse routing between them.
class Form {
public:
    std::string Caption;
    int ClientWidth = 0, ClientHeight = 0;  // twips
    Rgb BackColor = RGB(0, 128, 0);

    std::function<void()> Click;
    std::function<void(int button, int shift, float x, float y)> MouseDown;

    // Registers a control. Within a layer a later control stands in front of
    // an earlier one, so register a pressed face before its up face.
    void Add(Control& control);
    const std::vector<Control*>& Controls() const { return controls_; }
    // Controls in painting order: graphical ones first, then windowed ones.
    std::vector<Control*> PaintOrder() const;
    // The frontmost visible control under a point in form pixels, or null.
    Control* HitTest(int px, int py) const;

    // Mouse input from the view, in form pixels. Mouse-up and click go to the
    // control that took the mouse-down, even when its handler hid it.
    void PressMouse(int px, int py, int button, int shift = 0);
    void ReleaseMouse(int px, int py, int button, int shift = 0);
    void DoubleClick(int px, int py);
    // A whole click: press and release at one point.
    void ClickAt(int px, int py, int button = 1);

    // Asks whoever shows the form to close it (unload); set by the view or
    // the modal dialog that shows it.
    std::function<void()> OnCloseRequest;
    void RequestClose() {
        if (OnCloseRequest) OnCloseRequest();
    }

    // Set by a view to repaint what changed at once; empty when headless.
    std::function<void()> RepaintNow;
    // Set for a form that nobody will see and whose surfaces nobody reads (a
    // game played headless for figures): picture boxes then skip painting
    // their surfaces (hands draw only when shown in any case). A view that
    // shows the form clears it.
    bool Unseen = false;
    void RefreshNow() {
        if (RepaintNow) RepaintNow();
    }

    // Device pixels per form pixel, set by the view from its screen. A
    // change tells PixelRatioChanged, so pictures drawn for the form can be
    // drawn again at the new ratio.
    double PixelRatio() const { return pixelRatio_; }
    void SetPixelRatio(double ratio);
    std::function<void()> PixelRatioChanged;

private:
    static void localPoint(const Control& c, int px, int py, float& x, float& y);
    std::vector<Control*> controls_;
    Control* captured_ = nullptr;
    bool capturedForm_ = false;
    double pixelRatio_ = 1.0;
};

// The device size of a surface of a pixel size at a pixel ratio: whole
// device pixels covering it.
QSize DeviceSize(int width, int height, double ratio);
// A form-pixel position on a surface at a pixel ratio, as a device pixel.
int DevicePixel(int pixel, double ratio);

}  // namespace forms
