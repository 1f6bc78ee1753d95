#pragma once

// How a book, chapter or recipe page is rendered: for the display view
// (interactive, with links back into the program and editing hooks) or for
// an HTML export.
struct PageOptions {
    bool interactive = true;
    // The export's layout choice; 0 puts several objects on one page.
    int exportLayout = 0;
    bool actionLinks = true;
    bool editable = true;
    bool nutrients = false;
    bool perServing = true;
    // The recipe portioning control: factor = numerator / denominator.
    int portionNumerator = 1;
    int portionDenominator = 1;
    double portionFactor = 1.0;

    void SetPortion(int numerator, int denominator) {
        portionNumerator = numerator;
        portionDenominator = denominator;
        portionFactor = denominator == 0 ? 1.0 : static_cast<double>(numerator) / denominator;
    }

    // The options of the HTML export, which shows nothing that only the
    // display view can act on.
    static PageOptions Export(int layout) {
        PageOptions options;
        options.interactive = false;
        options.exportLayout = layout;
        options.actionLinks = false;
        options.editable = false;
        return options;
    }
};
