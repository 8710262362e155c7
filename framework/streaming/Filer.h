#pragma once

#include <functional>
#include <string>

#include "core/Object.h"
#include "rtti/MetaClass.h"

using TReaderProc = std::function<void(TReader* reader)>;
using TWriterProc = std::function<void(TWriter* writer)>;
using TStreamProc = std::function<void(TStream* stream)>;

// The common side of form reading and writing that persistent objects see in
// DefineProperties: properties they stream without publishing them.
class TFiler : public TObject {
  DECLARE_CLASS(TFiler, TObject);

 public:
  // A property read by readData and written by writeData, which call the reader's and writer's
  // value routines. hasData false means there is nothing to write.
  virtual void DefineProperty(const std::string& name, const TReaderProc& readData,
                              const TWriterProc& writeData, bool hasData) = 0;
  // A property whose value is a block of bytes, handed over as a stream.
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;

  // The component at the top of the form being read or written.
  TComponent* GetRoot() const { return FRoot; }

 protected:
  TFiler() = default;
  TComponent* FRoot = nullptr;
};
