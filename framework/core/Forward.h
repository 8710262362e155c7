#pragma once

// Forward declarations of the component framework's core classes.

class TObject;
class TPersistent;
class TComponent;
class TMetaClass;
class TList;
class TStrings;
class TStringList;
class TFiler;
class TReader;
class TWriter;
class TStream;
class TModule;
struct TTypeInfo;
class TPropInfo;

// A class reference: names a class, creates instances of it and compares by identity.
using TClass = const TMetaClass*;
using PTypeInfo = const TTypeInfo*;
using PPropInfo = const TPropInfo*;
