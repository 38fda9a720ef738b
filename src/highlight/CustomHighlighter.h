// TScribCustomHighlighter: the abstract highlighter the editor drives line by
// line through the token protocol:
//   ResetRange (first line) or SetRange(range stored for the previous line);
//   SetLine(text, index); while (!GetEol()) { GetToken/GetTokenPos/
//   GetTokenKind/GetTokenAttribute; Next(); } then GetRange() is the state to
//   store for the line.
// Invariants: the attribute list is sorted by name (case-insensitively) and
// holds no two equal names; the highlighter owns its attributes.
#pragma once

#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "highlight/HighlighterAttributes.h"

using TScribCharSet = std::bitset<256>;

// Handlers called in registration order; a key identifies a registration so
// that every registration under it can be removed again.
class TScribNotifyEventChain {
 public:
  void Add(const void* key, TScribNotifyEvent handler);
  void Remove(const void* key);
  void Fire(TScribPersistent* sender) const;
  bool Empty() const { return handlers_.empty(); }

 private:
  std::vector<std::pair<const void*, TScribNotifyEvent>> handlers_;
};

// Roles of GetDefaultAttribute.
enum TScribAttributeRole {
  arComment = 0,
  arIdentifier = 1,
  arKeyword = 2,
  arString = 3,
  arWhitespace = 4,
  arSymbol = 5
};

class TScribCustomHighlighter : public TScribPersistent {
 public:
  TScribCustomHighlighter();
  ~TScribCustomHighlighter() override;
  TScribCustomHighlighter(const TScribCustomHighlighter&) = delete;
  TScribCustomHighlighter& operator=(const TScribCustomHighlighter&) = delete;

  // Attributes, in the order of their names.
  virtual int GetAttribCount() const;
  virtual TScribHighlighterAttributes* GetAttribute(int index) const;
  int AttrCount() const { return GetAttribCount(); }
  TScribHighlighterAttributes* Attribute(int index) const { return GetAttribute(index); }
  virtual TScribHighlighterAttributes* GetDefaultAttribute(int role) const = 0;

  // Characters that make up words for the editor's word moves.
  virtual TScribCharSet GetIdentChars() const;
  const TScribCharSet& WordBreakChars() const { return wordBreakChars_; }
  virtual void SetWordBreakChars(const TScribCharSet& chars) { wordBreakChars_ = chars; }

  virtual std::string GetLanguageName() const { return "<Unknown>"; }

  // The token protocol. The text given to SetLine is read in place and must
  // stay alive and unchanged until the line has been scanned.
  virtual bool GetEol() const = 0;
  virtual int GetRange() const { return 0; }
  virtual std::string GetToken() const = 0;
  virtual TScribHighlighterAttributes* GetTokenAttribute() const = 0;
  virtual int GetTokenKind() const = 0;
  virtual int GetTokenPos() const = 0;
  // The length of GetToken, without building the string.
  virtual int GetTokenLength() const { return static_cast<int>(GetToken().size()); }
  virtual bool IsKeyword(std::string_view) const { return false; }
  virtual void Next() = 0;
  virtual void SetLine(std::string_view text, int lineIndex) = 0;
  // A temporary would be gone before the line is scanned.
  void SetLine(std::string&& text, int lineIndex) = delete;
  // Starts scanning `text` at byte `offset`, a token boundary that an earlier
  // scan of the same text passed in state `range`, giving the tokens that scan
  // gave from there on. False when the highlighter cannot start inside a line
  // (the caller then scans from the start with SetLine).
  virtual bool SetLineAt(std::string_view /*text*/, int /*lineIndex*/, int /*offset*/,
                         int /*range*/) {
    return false;
  }
  bool SetLineAt(std::string&& text, int lineIndex, int offset, int range) = delete;
  virtual void SetRange(int) {}
  virtual void ResetRange() {}
  void NextToEol();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Whether the lines are UTF-8, where a character takes 1 to 4 bytes (else
  // each byte is one). The editor keeps it to its document's encoding; a
  // change notifies, as tokens may end elsewhere.
  bool Utf8Text() const { return utf8Text_; }
  void SetUtf8Text(bool value);

  // Handlers told about every attribute change and every change of the rules.
  void HookAttrChangeEvent(const void* key, TScribNotifyEvent handler);
  void UnhookAttrChangeEvent(const void* key);

  // Fires the change hooks with `sender`, unless stored properties are still being loaded.
  void DefHighlightChange(TScribPersistent* sender);

 protected:
  // Inserts under the attribute's name; throws std::logic_error on a duplicate name.
  void AddAttribute(std::unique_ptr<TScribHighlighterAttributes> attribute);
  // Links every attribute to `handler` and snapshots its colours and style as defaults.
  void SetAttributesOnChange(const TScribNotifyEvent& handler);

  // While loading, changes notify nobody; EndLoading notifies once with no sender.
  void BeginLoading() { loading_ = true; }
  void EndLoading();

 private:
  std::vector<std::unique_ptr<TScribHighlighterAttributes>> attributes_;
  TScribNotifyEventChain changeHooks_;
  bool enabled_ = true;
  bool loading_ = false;
  bool utf8Text_ = false;
  TScribCharSet wordBreakChars_;
};
