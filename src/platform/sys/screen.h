#pragma once
// Screen metrics in logical pixels, and the twips the system measures windows in.

namespace tolvar::sys {

// A rectangle of the screen in pixels.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The part of the screen windows may take: the whole screen less the desktop's panels.
  virtual ScreenArea Available() const { return {.left = 0, .top = 0, .width = Width(), .height = Height()}; }
};

// The primary screen; 0 x 0 when no QGuiApplication (or no screen) exists.
class PrimaryScreen final : public Screen {
 public:
  int Width() const override;
  int Height() const override;
  ScreenArea Available() const override;
};

// Test double with a given size.
class FixedScreen final : public Screen {
 public:
  FixedScreen(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 private:
  int width_;
  int height_;
};

// The screen in use: the one given to SetScreen, else a PrimaryScreen.
Screen& CurrentScreen();

// Installs a screen (not owned); nullptr restores the default. Returns the previous one
// (nullptr when the default was in use).
Screen* SetScreen(Screen* screen);

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel (15 is odd, so there is no tie).
constexpr int TwipsToPixels(int twips) {
  const long long t = twips;
  return static_cast<int>(t >= 0 ? (t + kTwipsPerPixel / 2) / kTwipsPerPixel
                                 : -((-t + kTwipsPerPixel / 2) / kTwipsPerPixel));
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace tolvar::sys
