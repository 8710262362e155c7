#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "core/Persistent.h"

// An abstract list of strings with an object per string. Descendants store them; this class
// adds everything built on storage: names and values, text forms, assignment, streaming.
class TStrings : public TPersistent {
  DECLARE_CLASS(TStrings, TPersistent);

 public:
  virtual int GetCount() const = 0;
  // Raises EStringListError naming the index when it is out of range (also Put and Delete).
  virtual std::string Get(int index) const = 0;
  virtual TObject* GetObject(int index) const { return nullptr; }
  virtual void Put(int index, const std::string& text);
  virtual void PutObject(int index, TObject* object) {}
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  std::string operator[](int index) const { return Get(index); }

  // Appends a string; returns its index (a sorted list may put it elsewhere).
  virtual int Add(const std::string& text);
  virtual int AddObject(const std::string& text, TObject* object);
  void Append(const std::string& text) { Add(text); }
  virtual void AddStrings(TStrings* strings);
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);

  // The index of the first string equal to text (any letter case), or -1.
  virtual int IndexOf(std::string_view text) const;
  int IndexOfObject(const TObject* object) const;
  // Lines of the form Name=Value.
  int IndexOfName(std::string_view name) const;
  std::string GetName(int index) const;
  std::string GetValue(std::string_view name) const;
  // Sets the value of name, adding the line if it is missing; an empty value removes it.
  void SetValue(std::string_view name, const std::string& value);

  // Every string followed by a line break.
  virtual std::string GetText() const;
  // Splits at line breaks (LF, CR LF or CR); a final line break adds no empty string.
  virtual void SetText(std::string_view text);
  // Strings separated by commas; strings with blanks, commas or quotes in double quotes.
  std::string GetCommaText() const;
  void SetCommaText(std::string_view text);

  // Brackets a batch of changes: change notifications happen once, at the outermost EndUpdate.
  // An exception from a notification reaches the caller with the update count as it was
  // before BeginUpdate, or as it is after EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* source) override;
  bool Equals(const TStrings* strings) const;

  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  void LoadFromStream(TStream* stream);
  void SaveToStream(TStream* stream) const;

 protected:
  // Streams the strings as the list property "Strings".
  void DefineProperties(TFiler* filer) override;
  // Called with true when the first BeginUpdate starts a batch and false when it ends.
  virtual void SetUpdateState(bool updating) {}
  [[noreturn]] static void Error(const char* message, int index);

 private:
  int FUpdateCount = 0;
};

// Runs BeginUpdate now and EndUpdate when the scope ends, also when an exception leaves it.
// An exception from the closing change notification reaches the caller; when the scope is
// already left by an exception, that one goes on and the notification's is dropped. Either
// way the update count is restored. Use it only as a local variable.
class TStringsUpdate {
 public:
  explicit TStringsUpdate(TStrings* strings)
      : FStrings(strings), FUncaught(std::uncaught_exceptions()) {
    FStrings->BeginUpdate();
  }
  ~TStringsUpdate() noexcept(false) {
    if (std::uncaught_exceptions() == FUncaught) {
      FStrings->EndUpdate();
      return;
    }
    try {
      FStrings->EndUpdate();
    } catch (...) {
      // The exception that left the scope is the one the caller gets.
    }
  }
  TStringsUpdate(const TStringsUpdate&) = delete;
  TStringsUpdate& operator=(const TStringsUpdate&) = delete;

 private:
  TStrings* FStrings;
  int FUncaught;
};
