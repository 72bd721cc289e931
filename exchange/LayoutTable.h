#pragma once

// The layouts as data; Layouts.cpp reads them once, in this order: ours,
// Google's and Outlook's (LayoutTable.cpp), then Thunderbird's.
namespace exchange::layouts {

struct LayoutRow
{
    const char *program;
    const char *language;
    const char *columns;   // "role: Name|Name\nrole: ..."
};

extern const LayoutRow LayoutTable[];
extern const int LayoutCount;
extern const LayoutRow ThunderbirdTable[];   // ThunderbirdLayouts.cpp
extern const int ThunderbirdCount;
extern const LayoutRow ThunderbirdTable2[];  // ThunderbirdLayouts2.cpp
extern const int ThunderbirdCount2;

} // namespace exchange::layouts
