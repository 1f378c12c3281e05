#pragma once
// What assistive technology sees of an up-down control: a spin button named after its edit,
// whose value is the position in that edit and whose actions step it. Its arrows are parts of
// it, not controls of their own.

// Makes Qt describe every up-down control so; once is enough.
void InstallUpDownAccessibility();
