// Which functions a button may take on the product in use, and which rows the
// button page numbers: the rules the window's menus and the tool both follow.
#pragma once

#include <vector>

// The product facts that add or withdraw menu entries.
struct ProductFeatures {
    bool macros = true;   // "Macro Manager" is offered
    bool lighting = true; // "Led Switch" is offered
};
// The same, read from the product definition.
ProductFeatures currentProductFeatures();

// Whether the function menu of record `record` offers the function `code`:
// the wheel records their own short menu, every other record the function
// menu with its submenus, less what the product withdraws. Functions the
// menus never offer (the profile switches, sniper, gun files, scrolling off
// the wheel) are recognised in a stored profile but offered nowhere.
bool functionOffered(int code, int record, const ProductFeatures& features);

// The records of the list rows the button page shows, in the order it numbers
// them 1, 2, ... (rows the product hides are left out).
std::vector<int> numberedButtonRecords();
