// expect: TCountEvent: the parameter text does not match the signature
// The text says Count is passed by value, the signature by reference.
#include "core/Method.h"

#ifdef VM_FAULT
DECLARE_EVENT(TCountEvent, void(TObject* Sender, int& Count), "Sender: TObject; Count: Integer");
#else
DECLARE_EVENT(TCountEvent, void(TObject* Sender, int& Count),
              "Sender: TObject; var Count: Integer");
#endif
