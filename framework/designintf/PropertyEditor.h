#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/Method.h"
#include "core/Object.h"
#include "core/Set.h"
#include "designintf/Forward.h"
#include "rtti/MetaClass.h"

// What an inspector may do with a property; an editor's GetAttributes answers with a set.
enum TPropertyAttribute : uint8_t {
  paValueList,      // GetValues offers values to choose from; other text may still be typed
  paSubProperties,  // GetProperties gives sub-properties; the value text cannot be typed
  paDialog,         // Edit opens a dialog
  paMultiSelect,    // the property may be edited on several components at once
  paAutoUpdate,     // each change of the typed text is applied at once
  paSortList,       // the value list is shown sorted
  paReadOnly,       // the value text cannot be typed
  paRevertable,     // the value may be reverted to the inherited one (Revert)
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

// A published property of one object.
struct TInstProp {
  TPersistent* Instance;
  PPropInfo PropInfo;
};
using TInstPropList = std::vector<TInstProp>;

// Shows and changes one property on one or several objects (the selection), as text. The
// inspector gets one editor per row and owns it; the editor refers to the objects and to its
// designer without owning them, and must be discarded before they go away.
//
// Editors are framework classes: the registry (RegisterPropertyEditor) hands out class
// references, and CreatePropertyEditor makes an editor from one. Descendants keep a public
// default constructor, take their state from the designer and the property list, and prepare
// anything else in Initialize.
class TPropertyEditor : public TObject {
  DECLARE_CLASS(TPropertyEditor, TObject);

 public:
  TPropertyEditor() = default;

  // Called when the editor's row becomes the inspector's current row, before its attributes
  // and values are read for editing; an editor may refresh cached state here.
  virtual void Activate();
  // True when every object holds the same value. The default compares the values by the
  // property's kind.
  virtual bool AllEqual();
  // Called for a double click or the dialog button. Opens the editor's dialog, which writes the
  // value itself; the default moves a value list to its next value.
  virtual void Edit();
  // What an inspector may do with the property. The default: paMultiSelect, paRevertable.
  virtual TPropertyAttributes GetAttributes();
  // The most characters that may be typed as a value; 0 means no limit. The default is 255.
  virtual int GetEditLimit();
  // The name the property is shown under; the default is the published name.
  virtual std::string GetName();
  // Calls proc with a new editor for each sub-property (with paSubProperties); proc owns it.
  virtual void GetProperties(const TGetPropEditProc& proc);
  // The value of the first object as text. When the objects differ (AllEqual false) the caller
  // decides what to show.
  virtual std::string GetValue();
  // Calls proc with each value text that the value list offers (with paValueList).
  virtual void GetValues(const TGetStrProc& proc);
  // Called once by CreatePropertyEditor, after the designer and the objects are known and
  // before the editor is handed out.
  virtual void Initialize();
  // Writes the value that text gives to every object and tells the designer. Overrides convert
  // and validate the text once, before any object is written: an invalid text raises
  // EConvertError or EPropertyError and changes nothing. The default raises EPropertyError.
  virtual void SetValue(const std::string& value);

  // True when the value can be read on every object: each object is of the property's class
  // and GetValue raises nothing (any exception counts as not available).
  bool ValueAvailable();
  // The object at index (0 is the first selected); raises EListError when out of range.
  TPersistent* GetComponent(int index) const;
  PTypeInfo GetPropType() const;
  int GetPropCount() const { return static_cast<int>(FPropList.size()); }
  // The designer of the form being edited, or null. Not owned.
  TFormDesigner* GetDesigner() const { return FDesigner; }
  // The objects the editor covers, each with its property, in selection order. With the
  // designer, what CreatePropertyEditor needs to make an editor of another class for the same
  // selection (as an inspector's handler that replaces an editor does).
  const TInstPropList& GetInstProps() const { return FPropList; }
  // The first object's property.
  PPropInfo GetPropInfo() const { return FPropList.front().PropInfo; }
  // Asks the designer to revert the property on every object (with paRevertable).
  void Revert();

 protected:
  // Typed access for descendants. The getters read one object (the first by default); the
  // setters write every object, then call Modified. When an object refuses its value, the
  // objects written before it get their previous value back and the error propagates.
  int64_t GetOrdValue() const { return GetOrdValueAt(0); }
  int64_t GetOrdValueAt(int index) const;
  void SetOrdValue(int64_t value);
  // One value per object, in object order.
  void SetOrdValues(const std::vector<int64_t>& values);
  double GetFloatValue() const { return GetFloatValueAt(0); }
  double GetFloatValueAt(int index) const;
  void SetFloatValue(double value);
  std::string GetStrValue() const { return GetStrValueAt(0); }
  std::string GetStrValueAt(int index) const;
  void SetStrValue(const std::string& value);
  TObject* GetObjectValue() const { return GetObjectValueAt(0); }
  TObject* GetObjectValueAt(int index) const;
  void SetObjectValue(TObject* value);
  TMethod GetMethodValue() const { return GetMethodValueAt(0); }
  TMethod GetMethodValueAt(int index) const;
  void SetMethodValue(const TMethod& value);

  // Tells the designer that the form changed.
  void Modified();
  // Attaches the editor to its designer and objects; CreatePropertyEditor and editors that
  // make sub-editors of their own call it before Initialize.
  void Bind(TFormDesigner* designer, TInstPropList propList);

 private:
  friend std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TClass editorClass,
                                                               TFormDesigner* designer,
                                                               TInstPropList propList);

  // The value of one object as its kind reads it; none for kinds without typed access.
  using TRawValue = std::variant<int64_t, double, std::string, TObject*, TMethod>;
  std::optional<TRawValue> RawValueAt(int index) const;
  const TInstProp& InstPropAt(int index) const;
  bool SameValues(int index1, int index2) const;

  TFormDesigner* FDesigner = nullptr;
  TInstPropList FPropList;
};

// A new editor of editorClass (TPropertyEditor or a descendant) for the property that propList
// lists once per object, all of the same name and type information; its Initialize has run.
// Raises EInvalidCast for a class that is not an editor and EPropertyError for an empty list.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TClass editorClass, TFormDesigner* designer,
                                                      TInstPropList propList);

template <typename T>
std::unique_ptr<T> CreatePropertyEditor(TFormDesigner* designer, TInstPropList propList) {
  return std::unique_ptr<T>(static_cast<T*>(
      CreatePropertyEditor(T::StaticClass(), designer, std::move(propList)).release()));
}
