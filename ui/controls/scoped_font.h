#pragma once
// An HFONT with one owner, deleted when the owner goes: the one place a font of the window is
// freed.

#include <windows.h>

#include <utility>

namespace kestavel::ui {

class ScopedFont {
public:
    ScopedFont() = default;
    explicit ScopedFont(HFONT font) : font_(font) {}
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
    ScopedFont(ScopedFont&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    ScopedFont& operator=(ScopedFont&& other) noexcept {
        if (this != &other) {
            Free();
            font_ = std::exchange(other.font_, nullptr);
        }
        return *this;
    }
    ~ScopedFont() { Free(); }

    // Null when no font is held, or when its creation failed.
    HFONT get() const { return font_; }

private:
    void Free() {
        if (font_ != nullptr) DeleteObject(font_);
    }

    HFONT font_ = nullptr;
};

}  // namespace kestavel::ui
