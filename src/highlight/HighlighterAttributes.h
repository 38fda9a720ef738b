// TScribHighlighterAttributes: the colours and font style one kind of token is
// painted with. A colour of clNone means "use the editor's own colour".
// Setting a property to its current value notifies nobody; every real change
// calls OnChange with the attribute as sender.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Canvas.h"

// Common base of everything that can be the sender of a highlighter change.
class TScribPersistent {
 public:
  virtual ~TScribPersistent() = default;
};

using TScribNotifyEvent = std::function<void(TScribPersistent* sender)>;

class TScribHighlighterAttributes : public TScribPersistent {
 public:
  // Background and Foreground start as clNone, Style as empty.
  explicit TScribHighlighterAttributes(std::string name);

  const std::string& Name() const { return name_; }

  TColor Background() const { return background_; }
  void SetBackground(TColor value);
  TColor Foreground() const { return foreground_; }
  void SetForeground(TColor value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);

  // The style as stored in style files: bit 0 bold, 1 italic, 2 underline,
  // 3 strike-out. Reading the integer back from a style gives the same bits.
  int IntegerStyle() const { return style_; }
  // Higher bits are ignored. Sets bold (or nothing) first, then adds the other
  // styles one at a time, so up to four notifications result.
  void SetIntegerStyle(int value);

  // Snapshots taken when the owning highlighter links the attribute.
  TColor BackgroundDefault() const { return backgroundDefault_; }
  TColor ForegroundDefault() const { return foregroundDefault_; }
  TFontStyles StyleDefault() const { return styleDefault_; }
  void TakeDefaultsSnapshot();

  // Copies the name, colours and style; notifies once when anything but the name differed.
  void Assign(const TScribHighlighterAttributes& source);

  void SetOnChange(TScribNotifyEvent handler) { onChange_ = std::move(handler); }

 private:
  void Changed();

  TColor background_ = clNone;
  TColor backgroundDefault_ = clNone;
  TColor foreground_ = clNone;
  TColor foregroundDefault_ = clNone;
  std::string name_;
  TFontStyles style_ = 0;
  TFontStyles styleDefault_ = 0;
  TScribNotifyEvent onChange_;
};
