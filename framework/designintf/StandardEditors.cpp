#include "designintf/StandardEditors.h"

#include "controls/Caption.h"
#include "controls/ModalResult.h"
#include "core/Collection.h"
#include "core/Component.h"
#include "core/DateUtils.h"
#include "core/Strings.h"
#include "designintf/ClassProperty.h"
#include "designintf/CollectionProperty.h"
#include "designintf/ColorProperty.h"
#include "designintf/ComponentProperty.h"
#include "designintf/CursorProperty.h"
#include "designintf/DateTimeProperty.h"
#include "designintf/EnumProperty.h"
#include "designintf/FloatProperty.h"
#include "designintf/FontProperty.h"
#include "designintf/MethodProperty.h"
#include "designintf/ModalResultProperty.h"
#include "designintf/SetProperty.h"
#include "designintf/StringListProperty.h"
#include "designintf/StringProperty.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"
#include "graphics/Font.h"

void Detail::AddStandardRegistrations(const TAddRegistration& add) {
  add(TypeInfo<bool>(), nullptr, "", TBoolProperty::StaticClass());
  add(TypeInfo<TColor>(), nullptr, "", TColorProperty::StaticClass());
  add(TypeInfo<TCursor>(), nullptr, "", TCursorProperty::StaticClass());
  add(TypeInfo<TModalResult>(), nullptr, "", TModalResultProperty::StaticClass());
  add(TypeInfo<TCaption>(), nullptr, "", TCaptionProperty::StaticClass());
  add(TypeInfo<TFont*>(), nullptr, "", TFontProperty::StaticClass());
  add(TypeInfo<TFontName>(), nullptr, "", TFontNameProperty::StaticClass());
  add(TypeInfo<TComponentName>(), TComponent::StaticClass(), "Name",
      TComponentNameProperty::StaticClass());
  add(TypeInfo<TStrings*>(), nullptr, "", TStringListProperty::StaticClass());
  add(TypeInfo<TCollection*>(), nullptr, "", TCollectionProperty::StaticClass());
  add(TypeInfo<TDateTime>(), nullptr, "", TDateTimeProperty::StaticClass());
  add(TypeInfo<TDate>(), nullptr, "", TDateProperty::StaticClass());
  add(TypeInfo<TTime>(), nullptr, "", TTimeProperty::StaticClass());
}

TClass Detail::StandardEditorClass(PTypeInfo propertyType) {
  switch (propertyType->Kind) {
    case tkInteger:
      return TIntegerProperty::StaticClass();
    case tkChar:
    case tkWChar:
      return TCharProperty::StaticClass();
    case tkEnumeration:
      return TEnumProperty::StaticClass();
    case tkFloat:
      return TFloatProperty::StaticClass();
    case tkString:
    case tkLString:
    case tkWString:
      return TStringProperty::StaticClass();
    case tkSet:
      return TSetProperty::StaticClass();
    case tkClass:
      if (propertyType->ClassType->InheritsFrom(TComponent::StaticClass()))
        return TComponentProperty::StaticClass();
      return TClassProperty::StaticClass();
    case tkMethod:
      return TMethodProperty::StaticClass();
    default:
      return nullptr;
  }
}
