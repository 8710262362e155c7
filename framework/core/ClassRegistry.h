#pragma once

#include <initializer_list>
#include <string_view>

#include "core/Forward.h"

// The process-wide class registry: classes that form files and class-name properties can name.

// Registers a class (and nothing else). Registering it again does nothing; registering another
// class under a name already taken (any letter case) raises EFilerError.
void RegisterClass(TClass aClass);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass aClass);
// The registered class of that name (any letter case), or null.
TClass GetClass(std::string_view name);
// As GetClass; raises EClassNotFound "Class TFoo not found" when there is none.
TClass FindClass(std::string_view name);
