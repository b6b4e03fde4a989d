#pragma once
#include <string>
#include <string_view>

// The open-file dialog's filter list made from a filter text such as
// "剑灵主文件(Client.exe)|*.exe": trailing white space dropped, "||" appended
// unless the text already ends with two bars, then every bar a zero byte. The
// search for bars steps over two-byte characters (a byte of 0x80 or above and
// the byte after it), whose second byte may be 0x7C. The text ends at its end
// or at a zero byte. A text that is empty after trimming gives an empty list:
// the dialog then has no filter. Any other list ends with two zero bytes of its
// own, so its data() is a complete list.
std::string FilterList(std::string_view filter);
