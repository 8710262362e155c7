#include "core/Strings.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "streaming/FileStream.h"
#include "streaming/Filer.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

IMPLEMENT_CLASS(TStrings) {}

void TStrings::Error(const char* message, int index) {
  throw EStringListError(Format(message, index));
}

void TStrings::Put(int index, const std::string& text) {
  TObject* object = GetObject(index);
  TStringsUpdate update(this);
  Delete(index);
  Insert(index, text);
  PutObject(index, object);
}

int TStrings::Add(const std::string& text) {
  const int index = GetCount();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(TStrings* strings) {
  TStringsUpdate update(this);
  for (int i = 0; i < strings->GetCount(); ++i)
    AddObject(strings->Get(i), strings->GetObject(i));
}

void TStrings::Exchange(int index1, int index2) {
  TStringsUpdate update(this);
  const std::string text1 = Get(index1);
  TObject* object1 = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text1);
  PutObject(index2, object1);
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  TStringsUpdate update(this);
  const std::string text = Get(curIndex);
  TObject* object = GetObject(curIndex);
  Delete(curIndex);
  Insert(newIndex, text);
  PutObject(newIndex, object);
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < GetCount(); ++i)
    if (SameText(Get(i), text)) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string line = Get(i);
    const size_t equals = line.find('=');
    if (equals != std::string::npos && SameText(std::string_view(line).substr(0, equals), name))
      return i;
  }
  return -1;
}

std::string TStrings::GetName(int index) const {
  const std::string line = Get(index);
  const size_t equals = line.find('=');
  return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

std::string TStrings::GetValue(std::string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return std::string();
  const std::string line = Get(index);
  return line.substr(line.find('=') + 1);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index >= 0) {
    Put(index, std::string(name) + "=" + value);
  } else {
    Add(std::string(name) + "=" + value);
  }
}

std::string TStrings::GetText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    text += Get(i);
    text += '\n';
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  TStringsUpdate update(this);
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    Add(std::string(text.substr(start, end - start)));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
}

std::string TStrings::GetCommaText() const {
  std::string result;
  for (int i = 0; i < GetCount(); ++i) {
    const std::string item = Get(i);
    bool quote = item.empty() && GetCount() > 1;
    for (char c : item)
      if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') quote = true;
    if (i > 0) result += ',';
    if (!quote) {
      result += item;
      continue;
    }
    result += '"';
    for (char c : item) {
      if (c == '"') result += '"';
      result += c;
    }
    result += '"';
  }
  return result;
}

void TStrings::SetCommaText(std::string_view text) {
  TStringsUpdate update(this);
  Clear();
  auto isBlank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
  size_t p = 0;
  while (p < text.size() && isBlank(text[p]))
    ++p;
  while (p < text.size()) {
    std::string item;
    if (text[p] == '"') {
      ++p;
      while (p < text.size()) {
        if (text[p] == '"') {
          if (p + 1 < text.size() && text[p + 1] == '"') {
            item += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      const size_t start = p;
      while (p < text.size() && !isBlank(text[p]) && text[p] != ',')
        ++p;
      item = std::string(text.substr(start, p - start));
    }
    Add(item);
    while (p < text.size() && isBlank(text[p]))
      ++p;
    if (p < text.size() && text[p] == ',') {
      ++p;
      while (p < text.size() && isBlank(text[p]))
        ++p;
    }
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ > 0) return;
  try {
    SetUpdateState(true);
  } catch (...) {
    // A batch refused by its change notification has not begun.
    --FUpdateCount;
    throw;
  }
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* source) {
  if (auto* strings = dynamic_cast<TStrings*>(source)) {
    if (strings == this) return;
    TStringsUpdate update(this);
    Clear();
    AddStrings(strings);
    return;
  }
  TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings* strings) const {
  if (GetCount() != strings->GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i) != strings->Get(i)) return false;
  return true;
}

void TStrings::LoadFromStream(TStream* stream) {
  std::string text(static_cast<size_t>(stream->GetSize() - stream->GetPosition()), '\0');
  stream->ReadBuffer(text.data(), text.size());
  SetText(text);
}

void TStrings::SaveToStream(TStream* stream) const {
  const std::string text = GetText();
  stream->WriteBuffer(text.data(), text.size());
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}

void TStrings::DefineProperties(TFiler* filer) {
  filer->DefineProperty(
      "Strings",
      [this](TReader* reader) {
        TStringsUpdate update(this);
        Clear();
        reader->ReadListBegin();
        while (!reader->EndOfList())
          Add(reader->ReadString());
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        for (int i = 0; i < GetCount(); ++i)
          writer->WriteString(Get(i));
        writer->WriteListEnd();
      },
      GetCount() > 0);
}
