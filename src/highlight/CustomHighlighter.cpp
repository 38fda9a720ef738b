#include "highlight/CustomHighlighter.h"

#include <algorithm>
#include <stdexcept>

#include "support/CodePage.h"

void TScribNotifyEventChain::Add(const void* key, TScribNotifyEvent handler) {
  handlers_.emplace_back(key, std::move(handler));
}

void TScribNotifyEventChain::Remove(const void* key) {
  std::erase_if(handlers_, [key](const auto& entry) { return entry.first == key; });
}

void TScribNotifyEventChain::Fire(TScribPersistent* sender) const {
  // A handler may hook or unhook; work on a copy so the walk stays valid.
  const auto handlers = handlers_;
  for (const auto& entry : handlers) {
    if (entry.second) entry.second(sender);
  }
}

TScribCustomHighlighter::TScribCustomHighlighter() {
  for (unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) wordBreakChars_.set(c);
}

TScribCustomHighlighter::~TScribCustomHighlighter() = default;

int TScribCustomHighlighter::GetAttribCount() const {
  return static_cast<int>(attributes_.size());
}

TScribHighlighterAttributes* TScribCustomHighlighter::GetAttribute(int index) const {
  if (index < 0 || index >= GetAttribCount()) return nullptr;
  return attributes_[index].get();
}

TScribCharSet TScribCustomHighlighter::GetIdentChars() const {
  TScribCharSet chars;
  for (int c = 33; c <= 255; ++c) chars.set(c);
  return chars;
}

void TScribCustomHighlighter::NextToEol() {
  while (!GetEol()) Next();
}

void TScribCustomHighlighter::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  DefHighlightChange(nullptr);
}

void TScribCustomHighlighter::SetUtf8Text(bool value) {
  if (utf8Text_ == value) return;
  utf8Text_ = value;
  DefHighlightChange(nullptr);
}

void TScribCustomHighlighter::HookAttrChangeEvent(const void* key, TScribNotifyEvent handler) {
  changeHooks_.Add(key, std::move(handler));
}

void TScribCustomHighlighter::UnhookAttrChangeEvent(const void* key) {
  changeHooks_.Remove(key);
}

void TScribCustomHighlighter::DefHighlightChange(TScribPersistent* sender) {
  if (!loading_) changeHooks_.Fire(sender);
}

void TScribCustomHighlighter::AddAttribute(std::unique_ptr<TScribHighlighterAttributes> attribute) {
  const auto position =
      std::lower_bound(attributes_.begin(), attributes_.end(), attribute->Name(),
                       [](const auto& existing, const std::string& name) {
                         return codepage::CompareIgnoreCase(existing->Name(), name) < 0;
                       });
  if (position != attributes_.end() &&
      codepage::CompareIgnoreCase((*position)->Name(), attribute->Name()) == 0) {
    throw std::logic_error("String list does not allow duplicates");
  }
  attributes_.insert(position, std::move(attribute));
}

void TScribCustomHighlighter::SetAttributesOnChange(const TScribNotifyEvent& handler) {
  for (auto it = attributes_.rbegin(); it != attributes_.rend(); ++it) {
    (*it)->SetOnChange(handler);
    (*it)->TakeDefaultsSnapshot();
  }
}

void TScribCustomHighlighter::EndLoading() {
  loading_ = false;
  DefHighlightChange(nullptr);
}
