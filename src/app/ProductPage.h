#pragma once
// Opening the product page from the menu or the about box.

namespace ProductPage {

// Opens the page in the user's browser; when nothing can open it, says so
// and where the page is, so that the user can open it by hand.
void Open();

}  // namespace ProductPage
