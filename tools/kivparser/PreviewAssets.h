#ifndef KIVPARSER_TOOL_PREVIEWASSETS_H
#define KIVPARSER_TOOL_PREVIEWASSETS_H

// The style sheet and the script of the preview page. Their sources are
// preview/preview.css and preview/preview.js beside the tool's sources; the
// build turns them into these constants (PreviewAssets.cpp.in).
struct PreviewAssets {
    static const char* const style;
    static const char* const script;
};

#endif
