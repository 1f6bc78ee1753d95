#pragma once

#include "render/CHColor.h"

#include <string>

// One code serves both alignments; Center doubles as the vertical middle.
enum class CHPos { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Center = 5, Middle = 5 };

enum class CHUnit { None = 0, Percent = 1, Pixels = 2 };

// The attributes every HTML object carries. An object writes the groups it
// needs: placement (alignments and colour), size (width, height and the raw
// extra attributes), or both.
struct CHAttrs {
    static constexpr int kPlacement = 1;
    static constexpr int kSize = 2;
    static constexpr int kAll = kPlacement | kSize;

    CHColor m_color;
    int m_width = -1;
    int m_height = -1;
    CHUnit m_widthUnit = CHUnit::None;
    CHUnit m_heightUnit = CHUnit::None;
    CHPos m_vAlign = CHPos::None;
    CHPos m_hAlign = CHPos::None;
    std::string m_extra;

    void SetWidth(int width, CHUnit unit) {
        m_width = width;
        m_widthUnit = unit;
    }
    void SetHeight(int height, CHUnit unit) {
        m_height = height;
        m_heightUnit = unit;
    }

    void AppendText(std::string& out, int groups) const;
};
