#pragma once
// GBK bytes of UTF-8 text, through glibc's converter, so that tests can be
// written in readable characters.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

inline std::string Gbk(std::string_view utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no GBK converter");
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t srcLeft = in.size();
    std::size_t dstLeft = out.size();
    const std::size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error("text has no GBK form");
    out.resize(out.size() - dstLeft);
    return out;
}
