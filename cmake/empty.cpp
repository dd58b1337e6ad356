// Placeholder translation unit for a library folder that has no module yet.
