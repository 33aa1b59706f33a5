#pragma once

#include "results/ChartContent.h"
#include "results/ComparisonPage.h"
#include "results/StreamPage.h"

#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {

// The analysis document as plain data: sections of headings, paragraphs,
// tables and charts, every figure written by the same functions as the
// window's views. The window lays it out and paints it on pages; nothing here
// knows about pages or fonts.

enum class BlockKind { Subheading, Paragraph, Bullet, Table, Chart, Stream };

struct DocumentBlock {
    BlockKind Kind = BlockKind::Paragraph;
    std::string Text{};   // a subheading, a paragraph or a bullet
    TextTable Table{};    // a table, with its title
    ChartContent Chart{}; // a chart of the graphing or sensitivity window
    StreamDiagram Stream{};
};

struct DocumentSection {
    std::string Title;
    std::vector<DocumentBlock> Blocks;

    void Subheading(std::string text) {
        Blocks.push_back({.Kind = BlockKind::Subheading, .Text = std::move(text)});
    }
    void Paragraph(std::string text) {
        Blocks.push_back({.Kind = BlockKind::Paragraph, .Text = std::move(text)});
    }
    void Bullet(std::string text) {
        Blocks.push_back({.Kind = BlockKind::Bullet, .Text = std::move(text)});
    }
    void Table(TextTable table) {
        Blocks.push_back({.Kind = BlockKind::Table, .Table = std::move(table)});
    }
    void Chart(ChartContent chart) {
        Blocks.push_back({.Kind = BlockKind::Chart, .Chart = std::move(chart)});
    }
    void Stream(StreamDiagram diagram) {
        Blocks.push_back({.Kind = BlockKind::Stream, .Stream = std::move(diagram)});
    }
};

struct AnalysisDocument {
    std::string Title;
    // On every page's header: the project number and the date.
    std::string ProjectNumber;
    std::string Date;
    std::vector<DocumentSection> Sections;
};

} // namespace wexa::forms
