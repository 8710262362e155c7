#!/usr/bin/env python3
"""Writes the binary form files of this corpus from their text versions.

An encoder of its own, kept apart from the framework's, so that the framework's binary reader
is checked against a second reading of the format rather than against its own writer.
Usage: text2bin.py INPUT.txt OUTPUT.bin
       text2bin.py --res NAME INPUT.txt OUTPUT.res   (the binary form as RCDATA resource NAME
                                                     of a resource file)
"""
import math
import re
import struct
import sys

VA_NULL, VA_LIST, VA_INT8, VA_INT16, VA_INT32, VA_EXTENDED, VA_STRING, VA_IDENT = range(8)
VA_FALSE, VA_TRUE, VA_BINARY, VA_SET, VA_LSTRING, VA_NIL, VA_COLLECTION = range(8, 15)
VA_WSTRING, VA_INT64 = 18, 19

TOKEN = re.compile(r"""
    (?P<blank>\s+)
  | (?P<string>(?:'(?:[^'\r\n]|'')*'|\#\$?[0-9A-Fa-f]+)+)
  | (?P<number>[-+]?(?:INF|NAN|\$[0-9A-Fa-f]+|\d+(?:\.\d+)?(?:[eE][-+]?\d+)?))
  | (?P<ident>[A-Za-z_][A-Za-z0-9_]*(?:\.[A-Za-z_][A-Za-z0-9_]*)*)
  | (?P<binary>\{[0-9A-Fa-f\s]*\})
  | (?P<punct>[=:\[\](),<>+])
""", re.VERBOSE)


def tokens(text):
    pos = 0
    while pos < len(text):
        match = TOKEN.match(text, pos)
        if not match:
            raise SyntaxError("cannot read %r" % text[pos:pos + 20])
        pos = match.end()
        if match.lastgroup != "blank":
            yield match.lastgroup, match.group()


def decode_string(token):
    units = []
    for part in re.findall(r"'(?:[^'\r\n]|'')*'|#\$?[0-9A-Fa-f]+", token):
        if part.startswith("'"):
            data = part[1:-1].replace("''", "'").encode("utf-16-le")
            units.extend(struct.unpack("<%dH" % (len(data) // 2), data))
        else:
            units.append(int(part[2:], 16) if part[1] == "$" else int(part[1:]))
    data = b"".join(struct.pack("<H", u) for u in units)
    return data.decode("utf-16-le", errors="replace")


class Parser:
    def __init__(self, text):
        self.tokens = list(tokens(text))
        self.pos = 0

    def peek(self, offset=0):
        return self.tokens[self.pos + offset] if self.pos + offset < len(self.tokens) else (None, None)

    def take(self, value=None):
        kind, text = self.tokens[self.pos]
        if value is not None and text.lower() != value.lower():
            raise SyntaxError("%s expected, %s found" % (value, text))
        self.pos += 1
        return text

    def obj(self):
        keyword = self.take().lower()
        name, cls = self.take(), None
        if self.peek()[1] == ":":
            self.take(":")
            cls = self.take()
        else:
            name, cls = "", name
        position = None
        if self.peek()[1] == "[":
            self.take("[")
            position = int(self.take())
            self.take("]")
        props, children = [], []
        while True:
            kind, text = self.peek()
            if text.lower() == "end" and self.peek(1)[1] != "=":
                self.take()
                return (keyword, name, cls, position, props, children)
            if text.lower() in ("object", "inherited", "inline") and self.peek(1)[1] != "=":
                children.append(self.obj())
            else:
                props.append(self.prop())

    def prop(self):
        name = self.take()
        self.take("=")
        return (name, self.value())

    def value(self):
        kind, text = self.peek()
        if kind == "string":
            result = decode_string(self.take())
            while self.peek()[1] == "+":
                self.take("+")
                result += decode_string(self.take())
            return ("string", result)
        if kind == "number":
            self.take()
            body = text.lstrip("+-")
            if body in ("INF", "NAN"):
                value = math.inf if body == "INF" else math.nan
                return ("float", -value if text.startswith("-") else value)
            if body.startswith("$"):
                value = int(body[1:], 16)
                return ("int", -value if text.startswith("-") else value)
            if re.search(r"[.eE]", text):
                return ("float", float(text))
            return ("int", int(text))
        if kind == "ident":
            return ("ident", self.take())
        if kind == "binary":
            return ("binary", bytes.fromhex(re.sub(r"\s", "", self.take()[1:-1])))
        if text == "[":
            self.take()
            names = []
            while self.peek()[1] != "]":
                names.append(self.take())
                if self.peek()[1] == ",":
                    self.take()
            self.take("]")
            return ("set", names)
        if text == "(":
            self.take()
            items = []
            while self.peek()[1] != ")":
                items.append(self.value())
            self.take(")")
            return ("list", items)
        if text == "<":
            self.take()
            items = []
            while self.peek()[1] != ">":
                self.take("item")
                props = []
                while not (self.peek()[1].lower() == "end" and self.peek(1)[1] != "="):
                    props.append(self.prop())
                self.take("end")
                items.append(props)
            self.take(">")
            return ("collection", items)
        raise SyntaxError("value expected, %s found" % text)


def short(text):
    data = text.encode("ascii")
    return bytes([len(data)]) + data


def integer(value):
    for tag, fmt, low, high in ((VA_INT8, "<b", -128, 127), (VA_INT16, "<h", -32768, 32767),
                                (VA_INT32, "<i", -2**31, 2**31 - 1)):
        if low <= value <= high:
            return bytes([tag]) + struct.pack(fmt, value)
    return bytes([VA_INT64]) + struct.pack("<q", value)


def extended(value):
    sign = 0x8000 if math.copysign(1, value) < 0 else 0
    if math.isnan(value):
        return struct.pack("<QH", 0xC000000000000000, 0x7FFF)
    if math.isinf(value):
        return struct.pack("<QH", 0x8000000000000000, 0x7FFF | sign)
    if value == 0:
        return struct.pack("<QH", 0, sign)
    mantissa, exponent = math.frexp(abs(value))
    return struct.pack("<QH", int(mantissa * 2**64), (exponent - 1 + 16383) | sign)


def encode_value(value):
    kind, data = value
    if kind == "int":
        return integer(data)
    if kind == "float":
        return bytes([VA_EXTENDED]) + extended(data)
    if kind == "string":
        if all(ord(c) < 128 for c in data):
            raw = data.encode("ascii")
            if len(raw) <= 255:
                return bytes([VA_STRING, len(raw)]) + raw
            return bytes([VA_LSTRING]) + struct.pack("<i", len(raw)) + raw
        wide = data.encode("utf-16-le", errors="surrogatepass")
        return bytes([VA_WSTRING]) + struct.pack("<i", len(wide) // 2) + wide
    if kind == "ident":
        special = {"false": VA_FALSE, "true": VA_TRUE, "nil": VA_NIL}.get(data.lower())
        return bytes([special]) if special is not None else bytes([VA_IDENT]) + short(data)
    if kind == "binary":
        return bytes([VA_BINARY]) + struct.pack("<i", len(data)) + data
    if kind == "set":
        return bytes([VA_SET]) + b"".join(short(n) for n in data) + b"\0"
    if kind == "list":
        return bytes([VA_LIST]) + b"".join(encode_value(v) for v in data) + bytes([VA_NULL])
    if kind == "collection":
        out = bytes([VA_COLLECTION])
        for props in data:
            out += bytes([VA_LIST]) + encode_props(props)
        return out + bytes([VA_NULL])
    raise ValueError(kind)


def encode_props(props):
    return b"".join(short(name) + encode_value(value) for name, value in props) + b"\0"


def encode_object(obj):
    keyword, name, cls, position, props, children = obj
    flags = {"object": 0, "inherited": 1, "inline": 4}[keyword] | (2 if position is not None else 0)
    out = bytes([0xF0 | flags]) if flags else b""
    if position is not None:
        out += integer(position)
    out += short(cls) + short(name) + encode_props(props)
    out += b"".join(encode_object(child) for child in children)
    return out + b"\0"


def resource_entry(type_id, name, payload):
    tail = struct.pack("<HH", 0xFFFF, type_id) + (name + "\0").encode("utf-16-le")
    while (8 + len(tail)) % 4:
        tail += b"\0"
    tail += struct.pack("<IHHII", 0, 0x1030, 0, 0, 0)
    entry = struct.pack("<II", len(payload), 8 + len(tail)) + tail + payload
    while len(entry) % 4:
        entry += b"\0"
    return entry


def resource_file(name, payload):
    empty = struct.pack("<IIHHHHIHHII", 0, 32, 0xFFFF, 0, 0xFFFF, 0, 0, 0, 0, 0, 0)
    return empty + resource_entry(10, name, payload)


def main():
    args = sys.argv[1:]
    resource = None
    if args[0] == "--res":
        resource, args = args[1], args[2:]
    source, target = args[:2]
    with open(source, encoding="utf-8") as f:
        tree = Parser(f.read()).obj()
    data = b"TPF0" + encode_object(tree)
    with open(target, "wb") as f:
        f.write(resource_file(resource, data) if resource else data)


if __name__ == "__main__":
    main()
