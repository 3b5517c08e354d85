#pragma once

// Registers the compiled-in resources (style sheet, images, swatches and
// translations). The resources live in a static library, so the program and
// every test that shows a page call this once before using ":/" paths.
void vkInitResources();
